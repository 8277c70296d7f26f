#include "player/transitions/SavedEffects.h"

#include "player/transitions/KeyedCopy.h"

#include <algorithm>
#include <cmath>

namespace ztv::effects {
namespace {

// Page coordinates (relative to the page's top-left corner on the canvas) of the picture's
// top-left corner at position p, for a target (X, Y), a picture w x h and a page PW x PH.
class FlightPath {
  public:
    FlightPath(int effect, QPoint target, QSize picture, QSize page)
        : effect_(effect),
          X_(target.x()),
          Y_(target.y()),
          w_(picture.width()),
          h_(picture.height()),
          PW_(page.width()),
          PH_(page.height()) {}

    // Positions outside 0 to 100 stay at the ends: before the start is still off the page.
    QPoint at(int position) const {
        const int p = std::clamp(position, 0, 100);
        const double x = xAt(p);
        return {int(std::lrint(x)), int(std::lrint(yAt(x, p)))};
    }

  private:
    bool fromLeft() const { return effect_ == 52 || effect_ == 54; }
    bool fromTop() const { return effect_ == 52 || effect_ == 53; }

    double xAt(int p) const {
        switch (effect_) {
            case 52:
            case 54:
                return X_ * p / 100.0 - w_ * (100 - p) / 100.0;
            case 56:
                return -w_ + (w_ + X_) * p / 100.0;
            case 58:
            case 59:
                return X_;
            default:  // 53, 55, 57: from the right
                return (100 - p) * double(PW_ - X_) / 100.0 + X_;
        }
    }

    double yAt(double x, int p) const {
        switch (effect_) {
            case 56:
            case 57:
                return Y_;
            case 58:
                return -h_ + (h_ + Y_) * p / 100.0;
            case 59:
                return double(PH_ - Y_) * (100 - p) / 100.0 + Y_;
            default:
                break;
        }
        // The parabolas: from beyond a corner, with their vertex at the target.
        const double startY = fromTop() ? -h_ : PH_;
        const double run = fromLeft() ? double(w_) + X_ : double(PW_) - X_;
        if (run == 0) {
            return startY + (Y_ - startY) * p / 100.0;  // no room to curve: the straight path
        }
        const double a = (startY - Y_) / (run * run);
        return a * (x - X_) * (x - X_) + Y_;
    }

    int effect_;
    double X_, Y_, w_, h_, PW_, PH_;
};

}  // namespace

void stepFlight(TransitionState& s, const EffectTarget& t, const QRect& page) {
    QImage& canvas = t.canvas();
    const FlightPath path(s.effect, t.at() - page.topLeft(), t.picture().size(), page.size());
    const auto rectAt = [&](int p) {
        return QRect(path.at(p) + page.topLeft(), t.picture().size());
    };
    if (!s.held) {
        saveUnder(s, canvas, rectAt(s.position));
    } else {
        restoreSaved(s, canvas);
    }
    s.position = std::min(advancePosition(s.position, s.step), s.end);
    if (s.position > 99) {
        drawThrough(canvas, t.at(), t.picture(), s.keyColour);
        release(s);
        return;
    }
    const QRect now = rectAt(s.position);
    saveUnder(s, canvas, now);
    drawThrough(canvas, now.topLeft(), t.picture(), s.keyColour, page);
    if (s.position >= s.end) {
        release(s);
    }
}

}  // namespace ztv::effects
