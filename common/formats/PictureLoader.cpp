#include "common/formats/PictureLoader.h"

#include "common/formats/AnimatedPicture.h"
#include "common/formats/JpegCodec.h"
#include "common/platform/SafetyLimits.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdlib>

#include <algorithm>

namespace ztv {
namespace {

QImage toPaintFormat(QImage image) {
    const auto format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return image.format() == format ? image : image.convertToFormat(format);
}

Picture failure(PictureStatus status) {
    return Picture{status, {}};
}

Picture success(QImage image) {
    if (image.isNull())
        return failure(PictureStatus::Unreadable);
    return Picture{PictureStatus::Ok, toPaintFormat(std::move(image))};
}

// Qt's readers allocate what the header says; the size is checked first, and the process-wide
// allocation limit catches any reader that does not report a size.
void limitQtAllocations() {
    static const bool once = [] {
        QImageReader::setAllocationLimit(int(limits::kMaxPictureArea * 4 / (1024 * 1024)));
        return true;
    }();
    Q_UNUSED(once);
}

Picture readWithQt(const QByteArray& data, const QByteArray& format) {
    limitQtAllocations();
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(format.isEmpty());
    if (!reader.canRead())
        return failure(PictureStatus::Unreadable);
    const QSize size = reader.size();
    if (size.isValid() && !limits::pictureSizeAllowed(size.width(), size.height()))
        return failure(PictureStatus::TooLarge);
    return success(reader.read());
}

// Qt's bitmap reader stops at the end of the data and returns a picture whose remaining rows
// were never written; an uncompressed bitmap whose pixel rows do not all fit is cut short.
bool bitmapRowsComplete(const QByteArray& data) {
    if (data.size() < 34)
        return false;
    auto field = [&data](int at, int width) {
        std::int64_t v = 0;
        for (int i = width - 1; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(data[at + i]);
        return v;
    };
    const std::int64_t compression = field(30, 4);
    if (compression != 0 && compression != 3)  // run-length data has no fixed size
        return true;
    const std::int64_t width = std::abs(std::int64_t(std::int32_t(field(18, 4))));
    const std::int64_t height = std::abs(std::int64_t(std::int32_t(field(22, 4))));
    // Sizes beyond the caps are refused by the size check, before anything is read.
    if (!limits::pictureSizeAllowed(width, height))
        return true;
    const std::int64_t stride = (width * field(28, 2) + 31) / 32 * 4;
    return field(10, 4) + stride * height <= data.size();
}

// An icon file may hold several pictures; the largest one gives the best stretched result.
Picture readIcon(const QByteArray& data) {
    limitQtAllocations();
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    int best = -1;
    std::int64_t bestArea = 0;
    const int count = std::min(reader.imageCount(), limits::kMaxIconImages);
    for (int i = 0; i < count && reader.jumpToImage(i); ++i) {
        const QSize size = reader.size();
        if (!limits::pictureSizeAllowed(size.width(), size.height()))
            continue;
        if (std::int64_t(size.width()) * size.height() > bestArea) {
            bestArea = std::int64_t(size.width()) * size.height();
            best = i;
        }
    }
    if (best < 0 || !reader.jumpToImage(best))
        return failure(PictureStatus::Unreadable);
    return success(reader.read());
}

Picture firstGifFrame(const QByteArray& data) {
    AnimatedPicture gif;
    if (gif.load(data) != GifError::None)
        return failure(PictureStatus::Unreadable);
    return success(gif.composeFrame(0));
}

}  // namespace

PictureKind pictureKindOf(const QString& name) {
    const QString suffix = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1).toUpper();
    if (!name.contains(QLatin1Char('.')))
        return PictureKind::Other;
    if (suffix == QLatin1String("JPG") || suffix == QLatin1String("JPEG"))
        return PictureKind::Jpeg;
    if (suffix == QLatin1String("BMP"))
        return PictureKind::Bitmap;
    if (suffix == QLatin1String("ICO"))
        return PictureKind::Icon;
    if (suffix == QLatin1String("WMF") || suffix == QLatin1String("EMF"))
        return PictureKind::Metafile;
    if (suffix == QLatin1String("GIF") || suffix == QLatin1String("GIFF"))
        return PictureKind::Gif;
    return PictureKind::Other;
}

Picture decodePicture(const QByteArray& data, PictureKind kind) {
    switch (kind) {
        case PictureKind::Jpeg: {
            auto image = jpeg::decode(data);
            return image ? success(std::move(*image)) : failure(PictureStatus::Unreadable);
        }
        case PictureKind::Bitmap:
            if (!bitmapRowsComplete(data))
                return failure(PictureStatus::Unreadable);
            return readWithQt(data, "bmp");
        case PictureKind::Icon:
            return readIcon(data);
        case PictureKind::Metafile:
            return failure(PictureStatus::Unreadable);
        case PictureKind::Gif:
            return firstGifFrame(data);
        case PictureKind::Other:
            break;
    }
    return readWithQt(data, {});
}

Picture loadPictureFile(const QString& hostPath) {
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return failure(PictureStatus::CannotOpen);
    // A file of hundreds of megabytes is no picture this system could show.
    if (file.size() > limits::kMaxEntrySize)
        return failure(PictureStatus::TooLarge);
    const QByteArray data = file.readAll();
    if (data.size() != file.size())
        return failure(PictureStatus::CannotOpen);
    return decodePicture(data, pictureKindOf(hostPath));
}

}  // namespace ztv
