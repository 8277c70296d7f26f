#include "editor/animation/AnimationOutput.h"

#include "common/formats/JpegCodec.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/FileIo.h"
#include "common/platform/SafetyLimits.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>

namespace ztv::editor {

AnimationFormat animationFormatOf(const QString& hostPath) {
    const QString extension = QFileInfo(hostPath).suffix().toUpper();
    if (extension == QLatin1String("BMP")) {
        return AnimationFormat::Bitmap;
    }
    if (extension == QLatin1String("JPG") || extension == QLatin1String("JPEG")) {
        return AnimationFormat::Jpeg;
    }
    return extension == QLatin1String("GIF") ? AnimationFormat::Gif : AnimationFormat::Unknown;
}

QString withDefaultExtension(const QString& hostPath) {
    return QFileInfo(hostPath).suffix().isEmpty() ? hostPath + QStringLiteral(".BMP") : hostPath;
}

QImage buildStrip(const QList<QImage>& frames) {
    if (frames.isEmpty()) {
        return {};
    }
    const QSize size = frames.first().size();
    QImage strip(size.width() * int(frames.size()), size.height(), QImage::Format_RGB32);
    if (strip.isNull()) {
        return {};
    }
    QPainter painter(&strip);
    for (int i = 0; i < frames.size(); ++i) {
        painter.drawImage(i * size.width(), 0, frames[i]);
    }
    return strip;
}

std::optional<QString> stripTooWide(const LanguageFile& language, int frames, QSize frameSize) {
    const std::int64_t width = std::int64_t(frames) * frameSize.width();
    if (limits::pictureSizeAllowed(width, frameSize.height())) {
        return std::nullopt;
    }
    return language.text(lang::StripTooWide)
        .arg(width)
        .arg(frames)
        .arg(frameSize.width())
        .arg(limits::kMaxPictureSide);
}

namespace {

QByteArray encodeStrip(const QImage& strip, AnimationFormat format) {
    if (strip.isNull()) {
        return {};
    }
    if (format == AnimationFormat::Jpeg) {
        return jpeg::encode(strip);
    }
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    return strip.save(&buffer, "BMP") ? data : QByteArray();
}

}  // namespace

AnimationSaveResult saveAnimation(const QString& hostPath, AnimationFormat format,
                                  const QList<QImage>& frames, const GifWriteOptions& gif) {
    if (format == AnimationFormat::Gif) {
        const int error = writeAnimatedGif(hostPath, frames, gif);
        return {error == 0, error};
    }
    if (format == AnimationFormat::Unknown) {
        return {};
    }
    const QByteArray data = encodeStrip(buildStrip(frames), format);
    return {!data.isEmpty() && writeFileAtomically(hostPath, data), 0};
}

AnimationPlacement placementFor(QSize project, QSize frameSize, int frames) {
    return {(project.width() - frameSize.width()) / 2, (project.height() - frameSize.height()) / 2,
            frameSize.width(), frameSize.height(), frames};
}

}  // namespace ztv::editor
