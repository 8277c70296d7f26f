#pragma once

#include "player/transitions/TransitionEngine.h"

#include <QImage>

namespace ztv {

// An effect caught at `percent` of its course, as it plays: `picture` comes in over
// `background` (the same size) from position 0 in steps of 5. For the editor's effect
// pictures and for authors comparing effects.
QImage transitionSnapshot(TransitionEngine& engine, int effect, int percent, int option,
                          const QImage& background, const QImage& picture);

}  // namespace ztv
