#include "player/elements/SpritePath.h"

#include <algorithm>
#include <cmath>

namespace ztv {
namespace {

// from + k x (to - from) / steps, the offset rounded to the nearest, halves to even.
int along(int from, int to, int k, int steps) {
    const double offset = std::nearbyint(double(k) * ((double(to) - from) / steps));
    return int(std::clamp(from + offset, -2147483648.0, 2147483647.0));
}

}  // namespace

SpritePath::SpritePath(QPoint from, QPoint to, int steps)
    : from_(from), to_(to), steps_(std::max(1, steps)) {}

QPoint SpritePath::at(int k) const {
    return {along(from_.x(), to_.x(), k, steps_), along(from_.y(), to_.y(), k, steps_)};
}

}  // namespace ztv
