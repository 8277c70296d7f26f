#include "editor/app/OpenRequest.h"

#include "common/platform/ApplicationMutex.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace ztv::editor {
namespace {

// A path is one line of UTF-8; nothing longer is accepted from the socket.
constexpr qint64 kMaxRequest = 64 * 1024;

// Named after the data folder, short enough for a socket path whatever the folder's length.
QString channelPath(const QString& dataDir) {
    const QByteArray key =
        QCryptographicHash::hash(QDir(dataDir).absolutePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QDir(userRuntimeDir()).filePath(QStringLiteral("zentrovale-open-") + QLatin1String(key));
}

}  // namespace

OpenRequestServer::OpenRequestServer(const QString& dataDir, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
    // Only the holder of the working copy's lock listens, so a socket left behind is a crashed
    // one's.
    const QString path = channelPath(dataDir);
    QLocalServer::removeServer(path);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(path);
    connect(server_, &QLocalServer::newConnection, this, &OpenRequestServer::acceptConnections);
}

bool OpenRequestServer::isListening() const {
    return server_->isListening();
}

QString OpenRequestServer::channel() const {
    return server_->fullServerName();
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

bool sendOpenRequest(const QString& channel, const QString& projectHost, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(channel);
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(projectHost.toUtf8() + '\n');
    return socket.waitForBytesWritten(timeoutMs) && socket.waitForReadyRead(timeoutMs);
}

}  // namespace ztv::editor
