#include "common/formats/AniCursor.h"

#include "common/formats/PictureLoader.h"
#include "common/platform/Bytes.h"

#include <QImage>
#include <QPixmap>

namespace ztv {
namespace {

struct Chunk {
    QByteArray id;
    qsizetype body;  // offset of the chunk's data
    qsizetype size;
};

// The chunks between begin and end; a chunk whose size runs past end ends the walk.
QList<Chunk> chunksIn(const QByteArray& data, qsizetype begin, qsizetype end) {
    QList<Chunk> chunks;
    qsizetype pos = begin;
    while (pos + 8 <= end) {
        const quint32 size = quint32(bytes::getInt32(data, int(pos + 4)));
        if (size > quint64(end - pos - 8)) {
            break;
        }
        chunks.append({data.mid(pos, 4), pos + 8, qsizetype(size)});
        pos += 8 + qsizetype(size) + (size & 1);
    }
    return chunks;
}

std::optional<QByteArray> firstFrame(const QByteArray& data) {
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "ACON") {
        return std::nullopt;
    }
    for (const Chunk& list : chunksIn(data, 12, data.size())) {
        if (list.id != "LIST" || list.size < 4 || data.mid(list.body, 4) != "fram") {
            continue;
        }
        for (const Chunk& icon : chunksIn(data, list.body + 4, list.body + list.size)) {
            if (icon.id == "icon") {
                return data.mid(icon.body, icon.size);
            }
        }
    }
    return std::nullopt;
}

int le16(const QByteArray& data, int offset) {
    return offset + 2 <= data.size() ? quint8(data[offset]) | (quint8(data[offset + 1]) << 8) : 0;
}

}  // namespace

std::optional<QCursor> cursorFromAni(QByteArray data) {
    const auto frame = firstFrame(data);
    return frame ? cursorFromCur(*frame) : std::nullopt;
}

std::optional<QCursor> cursorFromCur(QByteArray data) {
    if (data.size() < 22) {
        return std::nullopt;
    }
    // A cursor keeps its hot spot where an icon keeps planes and bit count; read as an icon,
    // the image decodes the same.
    const bool isCursor = le16(data, 2) == 2;
    const int hotX = isCursor ? le16(data, 10) : 0;
    const int hotY = isCursor ? le16(data, 12) : 0;
    data[2] = 1;
    for (int i = 10; i < 14; ++i) {
        data[i] = 0;
    }
    // Through the icon reader of every picture, so the same size caps hold.
    const Picture picture = decodePicture(data, PictureKind::Icon);
    if (!picture.ok()) {
        return std::nullopt;
    }
    const QImage& image = picture.image;
    return QCursor(QPixmap::fromImage(image), std::min(hotX, image.width() - 1),
                   std::min(hotY, image.height() - 1));
}

}  // namespace ztv
