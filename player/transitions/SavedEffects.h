#pragma once

#include "player/transitions/TransitionEngine.h"

#include <QRect>

// Effects 40 to 60: they keep the page under the picture (or under its path) in the state's
// scratch bitmap from their first step, the step at which it is not held yet, and compose the
// picture with it at every step. Each moves the position itself, finishes with the whole picture
// (through the state's key colour) at the end of its course, and releases the scratch bitmap
// when it finishes.
namespace ztv::effects {

// 40 to 44: turns about the centre or a corner; the option is the number of turns (0 or less:
// endless).
void stepRotation(TransitionState& s, const EffectTarget& t);
// 45 to 50: revealed behind a pointed front, squeezed into the revealed part, or by a
// checkerboard.
void stepScan(TransitionState& s, const EffectTarget& t);
// 51: magnified about its centre up to the option's factor (below 1 counts as 1) and back.
void stepPulse(TransitionState& s, const EffectTarget& t);
// 52 to 59: flies in from outside the page, never drawing outside `page`.
void stepFlight(TransitionState& s, const EffectTarget& t, const QRect& page);
// 60: fades from the saved page to the picture.
void stepCrossFade(TransitionState& s, const EffectTarget& t);

// --- shared by the files above ---
// The canvas under `area` into the scratch bitmap, which is then held; what lies off the canvas
// is left undefined and never put back.
void saveUnder(TransitionState& s, const QImage& canvas, const QRect& area);
// Puts the saved page back where it came from.
void restoreSaved(const TransitionState& s, QImage& canvas);
// The whole picture at its place, through the key colour over the saved page, and done.
void finishWhole(TransitionState& s, const EffectTarget& t);
// Done as it stands.
void release(TransitionState& s);
inline bool isKey(const TransitionState& s, QRgb pixel) {
    return s.keyColour && ((pixel ^ *s.keyColour) & 0x00FFFFFF) == 0;
}

}  // namespace ztv::effects
