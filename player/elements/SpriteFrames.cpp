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
