#include "player/transitions/EffectFamilies.h"

#include <array>

namespace ztv::effects {
namespace {

using Quarters = std::array<QRect, 4>;

// The four parts of r split at (x, y): top-left, top-right, bottom-left, bottom-right.
Quarters quarters(const QRect& r, int x, int y) {
    return {QRect(QPoint(r.left(), r.top()), QPoint(x - 1, y - 1)),
            QRect(QPoint(x, r.top()), QPoint(r.right(), y - 1)),
            QRect(QPoint(r.left(), y), QPoint(x - 1, r.bottom())),
            QRect(QPoint(x, y), QPoint(r.right(), r.bottom()))};
}

// Shows B's parts in the revealed areas: unscaled, the part of B beneath each area; stretched,
// each given part of B squeezed into its area.
template <std::size_t N>
void reveal(const EffectTarget& t, const std::array<QRect, N>& areas,
            const std::array<QRect, N>& parts) {
    if (t.option() != 0) {
        t.stretch(parts, areas);
        return;
    }
    for (const QRect& area : areas) {
        t.copy(area);
    }
}

void revealOne(const EffectTarget& t, const QRect& area) {
    reveal<1>(t, {area}, {QRect(0, 0, t.width(), t.height())});
}

}  // namespace

void drawWipe(int effect, const EffectTarget& t, int p) {
    const int w = t.width();
    const int h = t.height();
    const QRect whole(0, 0, w, h);
    const int ex = roundDiv(std::int64_t(w) * p, 100);
    const int ey = roundDiv(std::int64_t(h) * p, 100);
    const Quarters partsOfB = quarters(whole, w / 2, h / 2);
    switch (effect) {
        case 2:
            return revealOne(t, QRect(0, h - ey, w, ey));
        case 3:
            return revealOne(t, QRect(0, 0, ex, h));
        case 4:
            return revealOne(t, QRect(0, 0, w, ey));
        case 6:
            return revealOne(t, QRect(w - ex, 0, ex, h));
        case 7:
            return revealOne(t, QRect(w - ex, h - ey, ex, ey));
        case 8:
            return revealOne(t, QRect(0, 0, ex, ey));
        case 9:
            return revealOne(t, QRect(0, h - ey, ex, ey));
        case 10:
            return revealOne(t, QRect(w - ex, 0, ex, ey));
        case 11:
            return reveal<2>(t, {QRect(0, 0, ex / 2, h), QRect(w - ex / 2, 0, ex / 2, h)},
                             {QRect(0, 0, w / 2, h), QRect(w / 2, 0, w - w / 2, h)});
        case 12:
            return revealOne(t, QRect((w - ex) / 2, 0, ex, h));
        case 13:
            return reveal<2>(t, {QRect(0, 0, w, ey / 2), QRect(0, h - ey / 2, w, ey / 2)},
                             {QRect(0, 0, w, h / 2), QRect(0, h / 2, w, h - h / 2)});
        case 14:
            return revealOne(t, QRect(0, (h - ey) / 2, w, ey));
        case 15: {
            const QRect centre((w - ex) / 2, (h - ey) / 2, ex, ey);
            return reveal<4>(t, quarters(centre, centre.left() + ex / 2, centre.top() + ey / 2),
                             partsOfB);
        }
        case 16: {
            const QSize corner(ex / 2, ey / 2);
            return reveal<4>(
                t,
                {QRect(QPoint(0, 0), corner), QRect(QPoint(w - corner.width(), 0), corner),
                 QRect(QPoint(0, h - corner.height()), corner),
                 QRect(QPoint(w - corner.width(), h - corner.height()), corner)},
                partsOfB);
        }
        default:
            return;
    }
}

void drawBands(int effect, const EffectTarget& t, int p) {
    const bool horizontal = effect == 17 || effect == 18;
    const int across = horizontal ? t.height() : t.width();  // the side the bands divide
    const int along = horizontal ? t.width() : t.height();
    // More bands than pixel rows would only add empty bands (and a count from a record is
    // untrusted), so the count stops at the rows there are.
    const int n = std::min(t.option(), across);
    if (n <= 0) {
        return;
    }
    const int bandSize = roundDiv(across, n);
    const int revealed = roundDiv(std::int64_t(along) * p, 100);
    const bool oddFromStart = effect == 17 || effect == 19;
    for (int k = 1; k <= n; ++k) {
        const int from = bandSize * (k - 1);
        if (from >= across) {
            break;
        }
        // The last band runs to the edge, so rounding never leaves rows that only the final
        // state fills.
        const int to = k == n ? across : std::min(across, bandSize * k);
        const bool fromStart = (k % 2 == 1) == oddFromStart;
        const int start = fromStart ? 0 : along - revealed;
        t.copy(horizontal ? QRect(start, from, revealed, to - from)
                          : QRect(from, start, to - from, revealed));
    }
}

}  // namespace ztv::effects
