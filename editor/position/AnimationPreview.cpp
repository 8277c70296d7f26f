#include "editor/position/AnimationPreview.h"

#include "common/platform/ShownPath.h"
#include "editor/document/SessionSettings.h"
#include "editor/position/HandleGeometry.h"
#include "player/elements/StepTiming.h"
#include "player/transitions/KeyedCopy.h"

#include <algorithm>

namespace ztv::editor {

AnimationRun::AnimationRun(SessionSettings& state, Prompter& prompter, QImage& page,
                           const ElementRecord& record)
    : page_(page),
      vitesse_(record.Vitesse),
      endPose_(endPoseOf(record.size)),
      first_(recordRect(record).topLeft()),
      arrival_(withinReach(record.sensdegra.toInt()), withinReach(record.style.toInt())),
      size_(recordRect(record).size()),
      // No step count would divide by zero: the sprite then goes to its arrival in one step.
      steps_(std::max(1, record.Couldegra)) {
    const int count = stripFrameCount(record);
    EditorPictures pictures(state, prompter);
    const PictureControl strip = loadStrip(pictures, record, count);
    if (!strip.image.isNull()) {
        const std::optional<QRgb> mask =
            strip.transparent ? std::optional<QRgb>(strip.transparentColour) : std::nullopt;
        frames_ = FrameCutter(state.language, prompter, shownPath(state.drives, record.Fichier))
                      .cut(strip.image, count, size_, mask);
    }
}

qint64 AnimationRun::delayMs() const {
    return steptiming::spriteDelayMs(vitesse_);
}

// Whole steps of the distance: the last position is the arrival only when the step count
// divides it.
QPoint AnimationRun::position(qint64 k) const {
    const qint64 dx = (qint64(arrival_.x()) - first_.x()) / steps_;
    const qint64 dy = (qint64(arrival_.y()) - first_.y()) / steps_;
    return {withinReach(first_.x() + k * dx), withinReach(first_.y() + k * dy)};
}

void AnimationRun::step() {
    if (step_ < steps_) {
        moveStep();
    } else {
        finish();
    }
}

void AnimationRun::moveStep() {
    restoreUnder();
    const QPoint at = position(step_);
    under_ = page_.copy(QRect(at, size_));
    underAt_ = at;
    frames_.draw(page_, at, frame_);
    frame_ = frames_.next(frame_);
    ++step_;
}

void AnimationRun::finish() {
    restoreUnder();
    if (endPose_ == EndPose::First) {
        frame_ = 0;
    } else if (endPose_ == EndPose::Last) {
        frame_ = frames_.count() - 1;
    }
    if (endPose_ != EndPose::Nothing) {
        frames_.draw(page_, position(steps_), frame_);
    }
    under_ = QImage();
    frames_ = FrameList();
    done_ = true;
}

// The page comes back where the sprite was drawn last (also when Esc cut the way short).
void AnimationRun::restoreUnder() {
    if (!under_.isNull()) {
        drawThrough(page_, underAt_, under_, std::nullopt);
    }
}

}  // namespace ztv::editor
