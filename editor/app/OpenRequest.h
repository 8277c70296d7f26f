#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace ztv::editor {

// A project file opened from the desktop while the editor already runs: the second start hands
// the path to the running editor over a local socket in the user's runtime folder and ends.
// Each data folder (working copy) has its own socket.
class OpenRequestServer : public QObject {
    Q_OBJECT
  public:
    explicit OpenRequestServer(const QString& dataDir, QObject* parent = nullptr);
    bool isListening() const;
    // The socket's path, for RunningEditor.
    QString channel() const;

  signals:
    void openRequested(const QString& projectHost);

  private:
    void acceptConnections();
    QLocalServer* server_;
};

// Hands the project to the editor listening on channel; false when none answers in time.
bool sendOpenRequest(const QString& channel, const QString& projectHost, int timeoutMs = 2000);

}  // namespace ztv::editor
