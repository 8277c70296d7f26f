#pragma once

#include "player/transitions/EffectTarget.h"

// The drawing of effects 2 to 39 at a position p (0 to 100), grouped by family. The stepping
// rule (how p moves and when an effect ends) lives in TransitionEngine.
namespace ztv::effects {

// 2 to 4, 6 to 16: wipes, corners, halves and quarters, each with a stretch variant.
void drawWipe(int effect, const EffectTarget& t, int p);
// 17 to 20: bands revealed from alternating sides; the option is the band count.
void drawBands(int effect, const EffectTarget& t, int p);
// 5, 21 to 27: blocks, strips and lines at random places, adding to what earlier steps drew.
void drawRandom(int effect, const EffectTarget& t, int p);
// 28 to 31: zoom from the centre and bands closing in from the edges.
void drawZoom(int effect, const EffectTarget& t, int p);
// 32 to 39: B cut by a growing shape; pure red pixels of B stay see-through.
void drawShape(int effect, const EffectTarget& t, int p);
// Second phase of 37: side bands, e = 0 to 100 percent of the width.
void drawSideBands(const EffectTarget& t, int e);

}  // namespace ztv::effects
