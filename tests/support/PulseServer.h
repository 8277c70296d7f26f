#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace ztv::test {

// A PulseAudio server of the test's own with a null sink: a desktop's sound output, timing and
// all, with nothing reaching a loudspeaker. While it runs, this process's sound clients reach
// it (PULSE_SERVER) and no other.
class PulseServer {
  public:
    PulseServer() = default;
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Empty when the server answers; otherwise why it does not.
    QString start();

  private:
    QTemporaryDir dir_;
    QProcess server_;
    bool hadServer_ = false;
    QByteArray oldServer_;
};

}  // namespace ztv::test
