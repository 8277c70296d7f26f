#include "player/ui/CloseRequest.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace ztv {
namespace {

const QByteArray kCloseWord = QByteArrayLiteral("close\n");

QString userName() {
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? QStringLiteral("user") : user;
}

}  // namespace

QString closeChannelName(const QString& title) {
    return QStringLiteral("ztv-%1-%2").arg(title, userName());
}

CloseRequestServer::CloseRequestServer(const QString& title, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
    const QString name = closeChannelName(title);
    // A socket left by a player that crashed would block the name.
    QLocalServer::removeServer(name);
    server_->listen(name);
    connect(server_, &QLocalServer::newConnection, this, &CloseRequestServer::acceptConnections);
}

bool CloseRequestServer::isListening() const {
    return server_->isListening();
}

void CloseRequestServer::acceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(kCloseWord)) {
                socket->write("ok\n");
                socket->flush();
                emit closeRequested();
            }
        });
    }
}

bool sendCloseRequest(const QString& title, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(closeChannelName(title));
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(kCloseWord);
    return socket.waitForBytesWritten(timeoutMs) && socket.waitForReadyRead(timeoutMs);
}

}  // namespace ztv
