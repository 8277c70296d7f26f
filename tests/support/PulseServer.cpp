#include "tests/support/PulseServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace ztv::test {

PulseServer::~PulseServer() {
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(5000)) {
            server_.kill();
            server_.waitForFinished(2000);
        }
    }
    if (hadServer_) {
        qputenv("PULSE_SERVER", oldServer_);
    } else {
        qunsetenv("PULSE_SERVER");
    }
}

QString PulseServer::start() {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (program.isEmpty()) {
        return QStringLiteral("pulseaudio is not installed (scripts/install-deps.sh installs it)");
    }
    const QString socket = dir_.filePath(QStringLiteral("native"));
    // Its own runtime, home and configuration: it never meets the desktop's server.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
    env.insert(QStringLiteral("HOME"), dir_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
    env.remove(QStringLiteral("PULSE_SERVER"));
    server_.setProcessEnvironment(env);
    server_.setProcessChannelMode(QProcess::MergedChannels);
    const QString log = dir_.filePath(QStringLiteral("log"));
    server_.setStandardOutputFile(log);
    server_.start(program,
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                   QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
                   QStringLiteral("--use-pid-file=no"), QStringLiteral("--load=module-null-sink"),
                   QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 "
                                  "socket=") +
                       socket});
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(socket) && waited.elapsed() < 15000 &&
           server_.state() != QProcess::NotRunning) {
        QThread::msleep(20);
    }
    if (!QFileInfo::exists(socket)) {
        QFile output(log);
        output.open(QIODevice::ReadOnly);
        return QStringLiteral("pulseaudio did not start: ") +
               QString::fromLocal8Bit(output.readAll()).right(500);
    }
    hadServer_ = qEnvironmentVariableIsSet("PULSE_SERVER");
    oldServer_ = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    return {};
}

}  // namespace ztv::test
