#include "player/transitions/SavedEffects.h"

#include "player/transitions/FadeRow.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ztv::effects {
namespace {

// Source index of pixel i when the picture is magnified about its middle by d / 50.
int magnified(int i, int length, int d) {
    const int middle = length / 2;
    const int source = roundDiv(std::int64_t(middle) * d + std::int64_t(i - middle) * 50, d);
    return std::clamp(source, 0, length - 1);
}

void drawMagnified(const EffectTarget& t, int d) {
    const QRect area = t.visible();
    std::vector<int> columns(std::size_t(area.width()));
    for (int x = area.left(); x <= area.right(); ++x) {
        columns[std::size_t(x - area.left())] = magnified(x, t.width(), d);
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* row = t.canvasRow(y, area.left());
        const QRgb* source = t.pictureRow(magnified(y, t.height(), d), 0);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            row[i] = source[columns[i]];
        }
    }
}

void drawFaded(const TransitionState& s, const EffectTarget& t, int p) {
    const QRect area = t.visible();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        fadeRow(t.canvasRow(y, area.left()),
                reinterpret_cast<const QRgb*>(s.saved.constScanLine(y)) + area.left(),
                t.pictureRow(y, area.left()), area.width(), p);
    }
}

}  // namespace

void stepPulse(TransitionState& s, const EffectTarget& t) {
    s.position = std::min(advancePosition(s.position, s.step), 99);
    s.position = std::min(s.position, s.end);
    if (s.position >= 99) {
        t.copyWholeThrough(s.keyColour);
        release(s);
        return;
    }
    // A factor below 1 would shrink the divisor to nothing on the way: it counts as 1.
    const int factor = std::max(1, s.option);
    const int p = std::clamp(s.position, 0, 99);
    const std::int64_t grown = std::int64_t(factor - 1) * (p < 50 ? p : 100 - p);
    drawMagnified(t, int(std::min<std::int64_t>(50 + grown, INT32_MAX / 64)));
    if (s.position >= s.end) {
        release(s);
    }
}

void stepCrossFade(TransitionState& s, const EffectTarget& t) {
    if (!s.held) {
        saveUnder(s, t.canvas(), QRect(t.at(), t.picture().size()));
    }
    s.position = std::min(advancePosition(s.position, s.step), s.end);
    if (s.position >= 100) {
        finishWhole(s, t);
        return;
    }
    drawFaded(s, t, std::clamp(s.position, 0, 100));
    if (s.position >= s.end) {
        release(s);
    }
}

}  // namespace ztv::effects
