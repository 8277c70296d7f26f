#pragma once

#include "common/formats/ElementRecord.h"
#include "editor/position/FrameList.h"
#include "editor/position/PreviewRun.h"
#include "player/elements/SpriteFrames.h"

#include <QImage>
#include <QPoint>
#include <QSize>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// The animation moves from its first position (`Gauche`, `Haut`) towards its arrival
// (`sensdegra`, `style`) in `Couldegra` steps, cycling through its frames, each step restoring
// the page under the step before; at the end it shows its end pose (`size`: 1 the first frame, 2
// the last, 3 nothing, else the current frame) at the last position.
class AnimationRun final : public TimedRun {
  public:
    AnimationRun(SessionSettings& state, Prompter& prompter, QImage& page,
                 const ElementRecord& record);

    bool finished() const override { return done_; }
    // Jumps to the end: the next step shows the end pose.
    void stop() override { step_ = steps_; }

  private:
    // Where the sprite stands at step k.
    QPoint position(qint64 k) const;
    void step() override;
    qint64 delayMs() const override;
    void moveStep();
    void finish();
    void restoreUnder();

    QImage& page_;
    int vitesse_;
    EndPose endPose_;
    QPoint first_;
    QPoint arrival_;
    QSize size_;
    FrameList frames_;
    qint64 steps_;
    qint64 step_ = 0;
    int frame_ = 0;
    QImage under_;  // the page beneath the sprite where it was drawn last
    QPoint underAt_;
    bool done_ = false;
};

}  // namespace ztv::editor
