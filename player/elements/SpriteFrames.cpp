#include "player/elements/SpriteFrames.h"

#include "common/formats/DisplayScaling.h"
#include "player/elements/FrameStrip.h"
#include "player/elements/PageCanvas.h"
#include "player/elements/PictureLoading.h"
#include "player/transitions/KeyedCopy.h"

#include <algorithm>
#include <cmath>

namespace ztv {
namespace {

// The width of one frame in the strip: a full-screen page cuts its strips at the design size.
int cutWidth(const PageCanvas& page, int frameWidth) {
    if (!page.projetStretch()) {
        return frameWidth;
    }
    const DisplayGeometry& g = page.geometry();
    return int(std::llround(double(g.projectWidth) * frameWidth / std::max(1, g.screenWidth)));
}

// A strip that keeps its own size (a bitmap) may hold fewer frames than asked: only whole
// frames count, and the strip is cut to them so that each frame is its own part of it.
int framesHeld(const PageCanvas& page, const QImage& strip, int count, QSize frameSize) {
    const int width = std::max(1, cutWidth(page, frameSize.width()));
    const qint64 wanted = qint64(width) * count;
    if (strip.width() >= wanted || strip.width() < width) {
        return count;
    }
    return strip.width() / width;
}

}  // namespace

QList<QImage> cutSpriteFrames(const PageCanvas& page, LoadedPicture& loaded, const QImage& strip,
                              int count, QSize frameSize, std::optional<QRgb> mask) {
    if (loaded.gif || count <= 0) {
        return buildFrames(page, loaded, strip, count, frameSize, mask);
    }
    const int held = framesHeld(page, strip, count, frameSize);
    const QImage cut =
        held == count ? strip
                      : strip.copy(0, 0, held * cutWidth(page, frameSize.width()), strip.height());
    return buildFrames(page, loaded, cut, held, frameSize, mask);
}

EndPose endPoseOf(int size) {
    switch (size) {
        case 1:
            return EndPose::First;
        case 2:
            return EndPose::Last;
        case 3:
            return EndPose::Nothing;
        default:
            return EndPose::Current;
    }
}

SpriteFrames::SpriteFrames(QList<QImage> frames, std::optional<QRgb> mask)
    : frames_(std::move(frames)), mask_(mask) {}

bool SpriteFrames::advance() {
    current_ = count() > 0 ? (current_ + 1) % count() : 0;
    return current_ == 0;
}

void SpriteFrames::goToEndPose(EndPose pose) {
    if (pose == EndPose::First) {
        current_ = 0;
    } else if (pose == EndPose::Last) {
        current_ = std::max(0, count() - 1);
    }
}

void SpriteFrames::drawOver(QImage& target, QPoint at, const QImage& under) const {
    if (isEmpty() || !mask_) {
        drawThrough(target, at, isEmpty() ? under : frames_[current_], std::nullopt);
        return;
    }
    const QImage& frame = frames_[current_];
    const QRect visible = frame.rect() & under.rect() & target.rect().translated(-at);
    if (visible.isEmpty() || under.depth() != 32) {
        return;
    }
    if (target.depth() != 32) {
        target.convertTo(QImage::Format_RGB32);
    }
    const QRgb key = *mask_ & 0x00FFFFFF;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        const auto* page = reinterpret_cast<const QRgb*>(under.constScanLine(y));
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(y + at.y())) + at.x();
        for (int x = visible.left(); x <= visible.right(); ++x) {
            row[x] = (source[x] & 0x00FFFFFF) == key ? page[x] : source[x];
        }
    }
}

}  // namespace ztv
