#include "editor/position/FrameList.h"

#include "common/formats/ElementRecord.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/Prompter.h"
#include "common/platform/SafetyLimits.h"
#include "player/transitions/KeyedCopy.h"

#include <algorithm>

namespace ztv::editor {

namespace {

// Frame i of the strip; null when it does not lie whole within the strip.
QImage cutOne(const QImage& strip, int i, QSize size) {
    if (!limits::pictureSizeAllowed(size.width(), size.height()) ||
        qint64(size.width()) * (i + 1) > strip.width() || size.height() > strip.height()) {
        return {};
    }
    return strip.copy(QRect(QPoint(size.width() * i, 0), size))
        .convertToFormat(QImage::Format_RGB32);
}

int framesWanted(int count) {
    return std::clamp(count, 0, limits::kMaxGifFrames);
}

}  // namespace

int stripFrameCount(const ElementRecord& record) {
    return std::clamp(record.Couleur, 1, limits::kMaxGifFrames);
}

PictureControl loadStrip(EditorPictures& pictures, const ElementRecord& record, int frames,
                         bool stripMode, const QString& messagePrefix) {
    PictureControl strip;
    if (!limits::pictureSizeAllowed(qint64(record.Largeur) * frames, record.Hauteur)) {
        return strip;
    }
    strip.image = QImage(record.Largeur * frames, record.Hauteur, QImage::Format_RGB32);
    strip.image.fill(Qt::black);
    if (!pictures.prepare(strip, record.Fichier, record.Transparent, Qt::white, Qt::white,
                          QString(), stripMode, messagePrefix)) {
        strip.image = QImage();
    }
    return strip;
}

void FrameList::draw(QImage& target, QPoint at, int i) const {
    if (i >= 0 && i < count()) {
        drawThrough(target, at, frames[i], mask);
    }
}

FrameList FrameCutter::cut(const QImage& strip, int count, QSize frameSize,
                           std::optional<QRgb> mask) const {
    FrameList list;
    list.mask = mask;
    for (int i = 0; i < framesWanted(count); ++i) {
        const QImage frame = cutOne(strip, i, frameSize);
        if (frame.isNull()) {
            prompter_.message(language_.text(lang::FilePrefix) + u' ' + fichier_ + u' ' +
                              language_.text(lang::PictureNotPreparedSuffix));
            continue;
        }
        list.frames.append(frame);
    }
    return list;
}

void FrameCutter::composeOverBackground(QImage& strip, int count, const QRect& rect, QRgb mask,
                                        const QImage& page) const {
    QList<QImage> frames;
    bool failed = false;
    for (int i = 0; i < framesWanted(count); ++i) {
        frames.append(cutOne(strip, i, rect.size()));
        failed = failed || frames.last().isNull();
    }
    strip = strip.convertToFormat(QImage::Format_RGB32);
    strip.fill(Qt::black);
    const QImage under = page.copy(rect).convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < int(frames.size()); ++i) {
        if (frames[i].isNull()) {
            continue;
        }
        const QPoint at(rect.width() * i, 0);
        drawThrough(strip, at, under, std::nullopt);
        drawThrough(strip, at, frames[i], mask);
    }
    if (failed) {
        prompter_.message(language_.message(lang::FramesNotPrepared));
    }
}

}  // namespace ztv::editor
