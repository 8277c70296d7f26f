#include "editor/dialogs/ReducedCopy.h"

#include "common/formats/JpegCodec.h"
#include "common/platform/FileIo.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace ztv::editor {

QSize reducedSize(QSize picture, QSize screen) {
    const qint64 w0 = picture.width();
    const qint64 h0 = picture.height();
    const qint64 ws = screen.width();
    const qint64 hs = screen.height();
    if (w0 <= 0 || h0 <= 0 || hs <= 0) {
        return {};
    }
    if (double(w0) > double(h0) / double(hs) * double(ws)) {
        return QSize(int(ws), int(ws * h0 / w0));
    }
    return QSize(int(hs * w0 / h0), int(hs));
}

QString reducedCopyPath(const QString& sourceHost, const QString& folderHost, bool jpeg) {
    const QFileInfo source(sourceHost);
    const QString base = folderHost.isEmpty()
                             ? source.dir().filePath(source.completeBaseName())
                             : QDir(folderHost).filePath(source.completeBaseName());
    const QString extension = jpeg ? QStringLiteral(".jpg") : QStringLiteral(".bmp");
    for (int n = 1; n <= 1000; ++n) {
        const QString candidate = base + u'-' + QString::number(n) + extension;
        if (!QFileInfo::exists(candidate)) {
            return candidate;
        }
    }
    return {};
}

bool saveReducedCopy(const QImage& picture, QSize size, const QString& targetHost, bool jpeg,
                     QString* error) {
    if (size.isEmpty() || picture.isNull()) {
        *error = QStringLiteral("empty picture");
        return false;
    }
    QImage copy(size, QImage::Format_RGB888);
    copy.fill(Qt::white);
    {
        QPainter painter(&copy);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(copy.rect(), picture);
    }
    QByteArray data;
    if (jpeg) {
        data = jpeg::encode(copy, 90);
    } else {
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        if (!copy.save(&buffer, "BMP")) {
            data.clear();
        }
    }
    if (data.isEmpty()) {
        *error = QStringLiteral("encoding failed");
        return false;
    }
    return writeFileAtomically(targetHost, data, error);
}

}  // namespace ztv::editor
