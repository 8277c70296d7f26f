#pragma once

#include <QPoint>

namespace ztv {

// The straight way of a sprite from its first position to its arrival in a number of steps:
// step k lies k / steps of the way along, each coordinate's offset rounded to the nearest
// integer with halves to the even neighbour. No step count is taken as one step.
class SpritePath {
  public:
    SpritePath() = default;
    SpritePath(QPoint from, QPoint to, int steps);

    int steps() const { return steps_; }
    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    // Where the sprite stands at step k (0 to steps()).
    QPoint at(int k) const;

  private:
    QPoint from_;
    QPoint to_;
    int steps_ = 1;
};

}  // namespace ztv
