#include "tests/editor/EditorFixture.h"

#include "common/platform/FileIo.h"

#include <QDir>

namespace ztv::test {

QString numberedText(int line) {
    return QStringLiteral("T%1").arg(line);
}

void EditorFixture::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    QDir().mkpath(appDir() + QStringLiteral("/lang"));
    QStringList lines;
    for (int n = 0; n < 945; ++n) {
        lines.append(QStringLiteral("%1,%2").arg(n).arg(numberedText(n)));
    }
    ASSERT_TRUE(writeLines(appDir() + QStringLiteral("/lang/FRENCH.asc"), lines));
    QStringList settings;
    for (int n = 0; n < 15; ++n) {
        settings.append(QStringLiteral("$"));
    }
    ASSERT_TRUE(writeLines(appDir() + QStringLiteral("/zentrovale.ini"), settings));
    ASSERT_TRUE(copyFileAtomically(QStringLiteral(ZTV_SOURCE_DIR "/assets/$ini.ini"),
                                   appDir() + QStringLiteral("/$ini.ini")));
}

void EditorFixture::writeSettings(const QStringList& lines) const {
    ASSERT_TRUE(writeLines(appDir() + QStringLiteral("/zentrovale.ini"), lines));
}

editor::StartOptions EditorFixture::options(const QStringList& arguments) {
    DriveTable drives;
    drives.set(QLatin1Char('C'), QStringLiteral("/"), DriveType::Fixed);
    return {paths(),
            arguments,
            1024,
            drives,
            &prompter_,
            shell_,
            [this] { ++previewCloseRequests_; },
            media_,
            QStringLiteral(":1")};
}

std::unique_ptr<editor::EditorSession> EditorFixture::start(const QStringList& arguments) {
    return editor::startEditor(options(arguments));
}

}  // namespace ztv::test
