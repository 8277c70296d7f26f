#include "player/transitions/EffectFamilies.h"

#include <algorithm>

namespace ztv::effects {
namespace {

// The parts of B under four edge bands: top and bottom `thick` rows, left and right `wide`
// columns. Every band shows B where it lies, so where bands overlap (from p = 50 on, and at
// every corner) one copy is enough: the side bands cover only the rows between the other two.
void edgeBands(const EffectTarget& t, int thick, int wide) {
    const int w = t.width();
    const int h = t.height();
    const int top = std::clamp(thick, 0, h);
    const int bottom = std::max(top, h - top);  // first row of the bottom band
    const int left = std::clamp(wide, 0, w);
    const int right = std::max(left, w - left);  // first column of the right band
    t.copy(QRect(0, 0, w, top));
    t.copy(QRect(0, bottom, w, h - bottom));
    t.copy(QRect(0, top, left, bottom - top));
    t.copy(QRect(right, top, w - right, bottom - top));
}

QRect centred(const EffectTarget& t, int halfWidth, int halfHeight) {
    return QRect(t.width() / 2 - halfWidth, t.height() / 2 - halfHeight, 2 * halfWidth,
                 2 * halfHeight);
}

}  // namespace

void drawZoom(int effect, const EffectTarget& t, int p) {
    const int w = t.width();
    const int h = t.height();
    const QRect whole(0, 0, w, h);
    switch (effect) {
        case 28:
            return t.stretch(whole, centred(t, roundDiv(std::int64_t(p) * (w / 2), 100),
                                            roundDiv(std::int64_t(p) * (h / 2), 100)));
        case 29:
            // Bands from opposite edges meet at p = 50.
            return edgeBands(t, roundDiv(std::int64_t(h) * p, 100),
                             roundDiv(std::int64_t(w) * p, 100));
        default: {
            const int thick = roundDiv(std::int64_t(h) * p, 400);
            const int wide = roundDiv(std::int64_t(w) * p, 400);
            edgeBands(t, thick, wide);
            const QRect centre = centred(t, wide, thick);
            if (effect == 30) {
                t.copy(centre);
            } else {
                t.stretch(whole, centre);
            }
        }
    }
}

}  // namespace ztv::effects
