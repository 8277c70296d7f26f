#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace ztv {

// "Close the top-level window titled X": the window listens on a local socket named after the
// title and the user; another program connects and asks it to close.
QString closeChannelName(const QString& title);

class CloseRequestServer : public QObject {
    Q_OBJECT
  public:
    explicit CloseRequestServer(const QString& title, QObject* parent = nullptr);
    bool isListening() const;

  signals:
    void closeRequested();

  private:
    void acceptConnections();
    QLocalServer* server_;
};

// Asks the window with that title to close; false when no such window answers in time.
bool sendCloseRequest(const QString& title, int timeoutMs = 2000);

}  // namespace ztv
