#include "tests/editor/BuildFixture.h"

#include "common/archives/ElfImage.h"
#include "common/archives/EntryReader.h"
#include "player/engine/Engine.h"
#include "tests/support/ScriptedMediaService.h"

#include <QFile>
#include <QProcess>

namespace ztv::test {

BuildFixture::BuildFixture() {
    drives_.set(u'C', QStringLiteral("/"), DriveType::Fixed);
    french_.load(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"));
    QDir().mkpath(host(QStringLiteral("proj")));
    const QDir demo(QStringLiteral(ZTV_APPDIR "/exemples/demo"));
    for (const char* name : {"demo.PZV", "demo.ini", "demo.ZTV", "demo.PMG"}) {
        EXPECT_TRUE(QFile::copy(demo.filePath(name), host(QStringLiteral("proj/") + name))) << name;
    }
}

int BuildFixture::runTool(const QStringList& options, QStringList* outLines, QString* errText) {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(ZTV_APPDIR "/ztvtool"),
               QStringList{QStringLiteral("build"), project()} + options);
    EXPECT_TRUE(tool.waitForFinished(120000));
    *outLines = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    const QString err = QString::fromUtf8(tool.readAllStandardError());
    if (errText) {
        *errText = err;
    }
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

QImage BuildFixture::play(const QString& programPath, const QStringList& args,
                          const QString& folder) {
    PlayerEnvironment env;
    env.prompter = &prompter_;
    env.clock = &clock_;
    env.drives = drives_;
    env.screenSize = QSize(1280, 1024);
    env.programPath = programPath;
    env.arguments = args;
    env.media = std::make_shared<ScriptedMediaService>();
    env.soundCard = true;
    env.runAndWait = [](const QString&, const QStringList&) { return 0; };
    Engine engine(env);
    if (!engine.start(folder) || engine.project().projectPath.isEmpty()) {
        return {};
    }
    engine.playPage();
    for (int i = 0; i < 100000 && engine.timer().isActive(); ++i) {
        clock_.advance(engine.timer().interval());
        engine.stepDueElements();
    }
    const QImage page = engine.canvas().copy();
    engine.stop();
    engine.showEndScreen(nullptr, false);
    return page;
}

QImage BuildFixture::playFirstPage(const QString& applicationHost) {
    const QString folder = QFileInfo(applicationHost).absolutePath();
    if (applicationHost.endsWith(QLatin1String(".ztvx"))) {
        return play(QStringLiteral(ZTV_APPDIR "/ztvplay"), {applicationHost}, folder);
    }
    return play(applicationHost, {}, folder);
}

const QImage& BuildFixture::referencePage() {
    // A player folder of its own, with the language file the project's vocabulary comes from.
    static const QImage reference = [this] {
        const QString folder = host(QStringLiteral("reference"));
        QDir().mkpath(folder);
        QFile::copy(QStringLiteral(ZTV_APPDIR "/rlang.asc"), folder + QStringLiteral("/rlang.asc"));
        return play(folder + QStringLiteral("/ztvplay"),
                    {QStringLiteral(ZTV_APPDIR "/exemples/demo/demo.ZTV")}, folder);
    }();
    return reference;
}

QStringList BuildFixture::entriesOf(const QString& folderHost) {
    QStringList names;
    for (const QFileInfo& info :
         QDir(folderHost)
             .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
        names.append(info.isDir() ? info.fileName() + u'/' : info.fileName());
    }
    return names;
}

QStringList BuildFixture::appendedNames(const QString& programHost) {
    QFile program(programHost);
    if (!program.open(QIODevice::ReadOnly)) {
        return {};
    }
    const qint64 start = elfImageSize(program).value_or(0);
    program.seek(start);
    EntryReader reader(&program, start);
    QStringList names;
    while (const auto header = reader.next()) {
        names.append(header->name);
    }
    return names;
}

}  // namespace ztv::test
