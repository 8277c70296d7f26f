#include "bench/BenchPage.h"

#include "common/platform/FileIo.h"

#include <QDir>
#include <cstdlib>

namespace ztv::bench {

int AbortingPrompter::ask(const QString& text, const QString&, Buttons) {
    qFatal("unexpected message: %s", qPrintable(text));
    return Ok;
}

BenchPage::BenchPage(QSize size, const QList<ElementRecord>& records) {
    const QString base = dir_.filePath(QStringLiteral("base"));
    QDir().mkpath(base);
    QStringList settings(16, QStringLiteral("$"));
    settings[1] = QString::number(size.width());
    settings[2] = QString::number(size.height());
    settings[5] = QStringLiteral("2");
    QByteArray page(kPageRecordSize, '\0');
    for (const ElementRecord& r : records) {
        page += encodePageRecord(r);
    }
    if (!writeLines(QDir(base).filePath(QStringLiteral("$inip.ini")), settings) ||
        !writeFileAtomically(QDir(base).filePath(QStringLiteral("1.JOU")), page) ||
        !copyFileAtomically(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"),
                            dir_.filePath(QStringLiteral("rlang.asc")))) {
        std::abort();
    }
    PlayerEnvironment env;
    env.prompter = &prompter_;
    env.clock = &clock_;
    env.drives.set(u'C', QStringLiteral("/"), DriveType::Fixed);
    env.screenSize = size;
    env.programPath = dir_.filePath(QStringLiteral("ztvplay"));
    env.arguments = {QStringLiteral("somm"), QStringLiteral("1"), dir_.path()};
    engine_ = std::make_unique<Engine>(std::move(env));
    if (!engine_->start(dir_.path())) {
        std::abort();
    }
}

}  // namespace ztv::bench
