#include "tests/engine/PlayerFixture.h"

#include "common/platform/FileIo.h"

namespace ztv::test {

PlayerFixture::PlayerFixture() {
    drives_.set(u'C', tmp_.path(), DriveType::Fixed);
    QDir().mkpath(appHost());
    QDir().mkpath(host(QStringLiteral("tmp")));
    hadTmpDir_ = qEnvironmentVariableIsSet("TMPDIR");
    oldTmpDir_ = qgetenv("TMPDIR");
    qputenv("TMPDIR", host(QStringLiteral("tmp")).toLocal8Bit());
    copyFileAtomically(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"),
                       QDir(appHost()).filePath(QStringLiteral("rlang.asc")));
}

PlayerFixture::~PlayerFixture() {
    if (hadTmpDir_) {
        qputenv("TMPDIR", oldTmpDir_);
    } else {
        qunsetenv("TMPDIR");
    }
}

void PlayerFixture::writeProject(const QString& dirHost, const QString& name,
                                 const QStringList& settings) const {
    QDir().mkpath(dirHost);
    ProjectWriter(dirHost).writeSavedProject(
        name, {{1, QStringLiteral("Accueil")}}, {{1, makeRecord(3, 1)}, {1, makeRecord(4, 2)}},
        settings, {{QStringLiteral("mot"), QStringLiteral("1"), QStringLiteral("1")}});
}

PlayerEnvironment PlayerFixture::environment(const QStringList& args, const QString& programName) {
    PlayerEnvironment env;
    env.prompter = &prompter_;
    env.clock = &clock_;
    env.drives = drives_;
    env.screenSize = screen_;
    env.programPath = QDir(appHost()).filePath(programName);
    env.arguments = args;
    env.media = otherMedia_ ? otherMedia_ : media_;
    env.soundCard = soundCard_;
    env.runAndWait = [this](const QString& program, const QStringList& arguments) {
        programsRun_.append((QStringList{program} + arguments).join(u' '));
        return 0;
    };
    return env;
}

std::unique_ptr<Engine> PlayerFixture::engine(const QStringList& args, const QString& programName) {
    return std::make_unique<Engine>(environment(args, programName));
}

bool PlayerFixture::start(const QStringList& args, const QString& programName) {
    engine_ = engine(args, programName);
    return engine_->start(appHost());
}

QStringList PlayerFixture::playbackDirs() const {
    return QDir(appHost()).entryList({QStringLiteral("base*")}, QDir::Dirs);
}

}  // namespace ztv::test
