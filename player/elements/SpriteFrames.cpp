#include "player/elements/SpriteFrames.h"

#include "common/formats/DisplayScaling.h"
#include "player/elements/FrameStrip.h"
#include "player/elements/PageCanvas.h"
#include "player/elements/PictureLoading.h"

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

SpriteFrames::SpriteFrames(const PageCanvas& page, LoadedPicture& loaded, const QImage& strip,
                           int count, QSize frameSize, std::optional<QRgb> mask) {
    if (loaded.gif || count <= 0) {
        frames_ = buildFrames(page, loaded, strip, count, frameSize, mask);
        return;
    }
    const int held = framesHeld(page, strip, count, frameSize);
    const QImage cut =
        held == count ? strip
                      : strip.copy(0, 0, held * cutWidth(page, frameSize.width()), strip.height());
    frames_ = buildFrames(page, loaded, cut, held, frameSize, mask);
}

void SpriteFrames::advance() {
    if (!frames_.isEmpty()) {
        index_ = (index_ + 1) % count();
    }
}

void SpriteFrames::takeEndPose(int pose) {
    switch (pose) {
        case FirstFramePose:
            index_ = 0;
            break;
        case LastFramePose:
            index_ = std::max(0, count() - 1);
            break;
        case NothingPose:
            advance();
            break;
        default:
            break;
    }
}

}  // namespace ztv
