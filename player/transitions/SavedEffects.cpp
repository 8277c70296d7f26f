#include "player/transitions/SavedEffects.h"

#include "player/transitions/KeyedCopy.h"

#include <cstring>

namespace ztv::effects {

// The scratch bitmap is reused while its size holds (flights save at every step); only the part
// on the canvas is copied, and only that part is ever put back.
void saveUnder(TransitionState& s, const QImage& canvas, const QRect& area) {
    if (s.saved.size() != area.size() || s.saved.format() != canvas.format()) {
        s.saved = QImage(area.size(), canvas.format());
    }
    s.savedAt = area.topLeft();
    s.held = true;
    const QRect on = area & canvas.rect();
    if (on.isEmpty()) {
        return;
    }
    const std::size_t bytes = std::size_t(on.width()) * sizeof(QRgb);
    for (int y = on.top(); y <= on.bottom(); ++y) {
        std::memcpy(s.saved.scanLine(y - area.top()) + (on.left() - area.left()) * sizeof(QRgb),
                    canvas.constScanLine(y) + on.left() * sizeof(QRgb), bytes);
    }
}

void restoreSaved(const TransitionState& s, QImage& canvas) {
    if (!s.saved.isNull()) {
        drawThrough(canvas, s.savedAt, s.saved, std::nullopt);
    }
}

void finishWhole(TransitionState& s, const EffectTarget& t) {
    restoreSaved(s, t.canvas());
    t.copyWholeThrough(s.keyColour);
    release(s);
}

void release(TransitionState& s) {
    s.saved = QImage();
    s.held = false;
    s.finished = true;
}

}  // namespace ztv::effects
