#pragma once

#include <QImage>

namespace ztv {

class TransitionEngine;
struct DisplayGeometry;

// The page an element draws on: the canvas, the background a disappearance brings back, the
// display it is shown on and the one transition engine.
class PageCanvas {
  public:
    virtual ~PageCanvas() = default;

    virtual QImage& canvas() = 0;
    // The page background (`Fond`): what a disappearing element copies back.
    virtual QImage& pageBackground() = 0;
    virtual const DisplayGeometry& geometry() const = 0;
    // Full-screen projects stretch frame strips and texts to the screen (`ProjetStretch`).
    virtual bool projetStretch() const = 0;
    virtual TransitionEngine& transitions() = 0;
};

}  // namespace ztv
