#include "player/elements/SavedEffects.h"

#include "player/elements/KeyedCopy.h"

namespace ztv::effects {

void saveUnder(TransitionState& s, const QImage& canvas, const QRect& area) {
    s.saved = canvas.copy(area);
    s.savedAt = area.topLeft();
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
    s.finished = true;
}

}  // namespace ztv::effects
