#include "player/elements/SpriteFrames.h"

#include "player/transitions/KeyedCopy.h"

namespace ztv {

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

QImage SpriteFrames::over(const QImage& under) const {
    if (isEmpty()) {
        return under;
    }
    const QImage& frame = frames_[current_];
    if (!mask_) {
        return frame;
    }
    QImage bitmap = under.convertToFormat(QImage::Format_RGB32);
    drawThrough(bitmap, QPoint(0, 0), frame, mask_);
    return bitmap;
}

}  // namespace ztv
