// The real ztvplay on a private X server: the window, the playback directory, Escape and the
// end screen, from the outside.
#include "common/platform/FileIo.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace ztv::test {
namespace {

// An Xvfb server on the first free display (it picks and reports the number itself).
class XvfbServer {
  public:
    ~XvfbServer() {
        if (server_.state() != QProcess::NotRunning) {
            server_.terminate();
            if (!server_.waitForFinished(3000)) {
                server_.kill();
                server_.waitForFinished(1000);
            }
        }
    }

    bool start() {
        server_.start(QStringLiteral("Xvfb"),
                      {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        if (!server_.waitForStarted(5000)) {
            return false;
        }
        QElapsedTimer waited;
        waited.start();
        while (!server_.canReadLine() && waited.elapsed() < 15000 &&
               server_.state() == QProcess::Running) {
            server_.waitForReadyRead(100);
        }
        bool ok = false;
        const int number = server_.readLine().trimmed().toInt(&ok);
        display_ = ok ? QStringLiteral(":%1").arg(number) : QString();
        return ok;
    }

    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display_);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // libxkbcommon-x11 hands strndup a buffer longer than the string it holds, which the
        // strict string checks report as an overflow in the system library.
        QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
        asan.replace(QStringLiteral("strict_string_checks=1"),
                     QStringLiteral("strict_string_checks=0"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), asan);
        // The X and D-Bus libraries keep allocations for the life of the process; the child
        // gets the project's suppressions however the test itself was started.
        env.insert(QStringLiteral("LSAN_OPTIONS"),
                   QStringLiteral("suppressions=%1/tests/lsan.supp:print_suppressions=0")
                       .arg(QStringLiteral(ZTV_SOURCE_DIR)));
        return env;
    }

    // Output of an X tool, empty when it fails or takes too long.
    QString run(const QString& program, const QStringList& args) const {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start(program, args);
        if (!tool.waitForFinished(5000) || tool.exitCode() != 0) {
            tool.kill();
            tool.waitForFinished(1000);
            return {};
        }
        return QString::fromLocal8Bit(tool.readAllStandardOutput());
    }

  private:
    QProcess server_;
    QString display_;
};

QString waitForWindow(const XvfbServer& x, const QString& title, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < timeoutMs) {
        const QString ids =
            x.run("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"}).trimmed();
        if (!ids.isEmpty()) {
            return ids.split(u'\n').first();
        }
        QThread::msleep(100);
    }
    return {};
}

QStringList playbackDirs(const QString& dir) {
    return QDir(dir).entryList({QStringLiteral("base*")}, QDir::Dirs);
}

// A copy of ztvplay with rlang.asc in a folder of the test's own, run on a private X server.
class PlayerUnderX : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!x_.start()) {
            GTEST_SKIP() << "Xvfb cannot start here";
        }
    }
    void TearDown() override {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    void startPlayer(const QString& name, const QStringList& args) {
        const QString player = dir_.filePath(name);
        ASSERT_TRUE(QFile::copy(ZTV_APPDIR "/ztvplay", player));
        ASSERT_TRUE(copyFileAtomically(ZTV_APPDIR "/rlang.asc", dir_.filePath("rlang.asc")));
        QProcessEnvironment env = x_.environment();
        env.insert(QStringLiteral("TMPDIR"), dir_.path());  // its "tempztv" stays here too
        process_.setProcessEnvironment(env);
        process_.setWorkingDirectory(dir_.path());
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start(player, args);
        ASSERT_TRUE(process_.waitForStarted(5000));
    }

    XvfbServer x_;
    QTemporaryDir dir_;
    QProcess process_;
};

TEST_F(PlayerUnderX, WindowPlaybackDirectoryAndEscape) {
    // A player named after the project it finds beside itself; its page plays a plain
    // background ("fond uni", line 120) with no effect (line 220), so no message comes first.
    ElementRecord plain = makeRecord(3, 1, QStringLiteral("fond uni"));
    plain.Effet = QStringLiteral("Aucun effet");
    plain.Largeur = 640;
    plain.Hauteur = 480;
    ProjectWriter(dir_.path())
        .writeSavedProject("e2e", {{1, "Accueil"}}, {{1, plain}}, settingsLines());
    startPlayer("e2e", {});

    const QString id = waitForWindow(x_, "e2e\\.ZTV", 30000);
    ASSERT_FALSE(id.isEmpty()) << "no window titled e2e.ZTV";
    const QString geometry = x_.run("xdotool", {"getwindowgeometry", id});
    EXPECT_TRUE(geometry.contains("Position: 320,240")) << geometry.toStdString();
    EXPECT_TRUE(geometry.contains("Geometry: 640x480")) << geometry.toStdString();
    // Motif hints: flags, functions, decorations; no decorations means borderless.
    const QString hints = x_.run("xprop", {"-id", id, "_MOTIF_WM_HINTS"});
    const QStringList values = hints.section(u'=', 1).split(u',', Qt::SkipEmptyParts);
    ASSERT_GE(values.size(), 3) << hints.toStdString();
    EXPECT_EQ(values[2].trimmed(), QStringLiteral("0x0")) << hints.toStdString();
    EXPECT_EQ(playbackDirs(dir_.path()), QStringList{"base0"});

    QElapsedTimer sinceEscape;
    sinceEscape.start();
    x_.run("xdotool", {"key", "--window", id, "Escape"});
    EXPECT_FALSE(process_.waitForFinished(1000)) << "ended without the end screen";
    ASSERT_TRUE(process_.waitForFinished(20000));
    EXPECT_GE(sinceEscape.elapsed(), 4000);
    EXPECT_EQ(process_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process_.exitCode(), 0);
    EXPECT_TRUE(playbackDirs(dir_.path()).isEmpty());
}

TEST_F(PlayerUnderX, TermSignalDuringAStartUpMessageLeavesNoPlaybackDirectory) {
    // The container is missing: the player says so after claiming its playback directory.
    ProjectWriter(dir_.path()).writeSettings("gone.ini", settingsLines());
    startPlayer("ztvplay", {dir_.filePath("gone.ZTV")});

    const QString box = waitForWindow(x_, "gone\\.ZTV", 30000);
    ASSERT_FALSE(box.isEmpty()) << "no message about the missing container";
    EXPECT_EQ(playbackDirs(dir_.path()), QStringList{"base0"});
    process_.terminate();
    ASSERT_TRUE(process_.waitForFinished(10000));
    EXPECT_EQ(process_.exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(playbackDirs(dir_.path()).isEmpty());
}

}  // namespace
}  // namespace ztv::test
