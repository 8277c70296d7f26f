#include "editor/OpenRequest.h"

#include "common/platform/ApplicationMutex.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace ztv::editor {
namespace {

// A path is one line of UTF-8; nothing longer is accepted from the socket.
constexpr qint64 kMaxRequest = 64 * 1024;

QString channelPath() {
    return QDir(userRuntimeDir()).filePath(QStringLiteral("zentrovale-open"));
}

}  // namespace

OpenRequestServer::OpenRequestServer(QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
    // Only the holder of the instance lock listens, so a socket left behind is a crashed one's.
    QLocalServer::removeServer(channelPath());
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(channelPath());
    connect(server_, &QLocalServer::newConnection, this, &OpenRequestServer::acceptConnections);
}

bool OpenRequestServer::isListening() const {
    return server_->isListening();
}

void OpenRequestServer::acceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        socket->setReadBufferSize(kMaxRequest);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() >= kMaxRequest) {
                    socket->abort();
                }
                return;
            }
            const QString path = QString::fromUtf8(socket->readLine()).trimmed();
            socket->write("ok\n");
            socket->flush();
            if (!path.isEmpty()) {
                emit openRequested(path);
            }
        });
    }
}

bool sendOpenRequest(const QString& projectHost, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(channelPath());
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(projectHost.toUtf8() + '\n');
    return socket.waitForBytesWritten(timeoutMs) && socket.waitForReadyRead(timeoutMs);
}

}  // namespace ztv::editor
