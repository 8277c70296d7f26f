#pragma once

#include "player/elements/Element.h"
#include "player/elements/PanoramaView.h"
#include "player/transitions/TransitionEngine.h"

#include <QImage>
#include <QRect>

namespace ztv {

// Row 25: the panorama, a window onto a picture larger than it. It comes in centred with its
// own transition, then stays alive so that clicks scroll it (a 360-degree one turns round). It
// looks its files up from drive C: again; the disappear marker is its only marker.
class PanoramaElement : public Element {
  public:
    void link() override;
    bool skipsPreparation() const override;
    bool disappears() const override;
    // Loads the picture at the size `style` x `Destin2`.
    void prepare() override;
    // The centred view appears with its transition.
    bool show() override;
    // What `Fond` holds under the rectangle comes back.
    void disappear() override;
    void step() override;
    void scroll(int direction) override;

  private:
    QRect rect() const;
    void startTransition();
    void stepTransition();
    void drawView();

    PanoramaView view_;
    QImage shown_;  // what the view shows now (the transition's picture)
    TransitionState state_;
};

}  // namespace ztv
