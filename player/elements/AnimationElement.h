#pragma once

#include "player/elements/SteppedElement.h"

namespace ztv {

// Rows 26 to 29: the animations. They look their files up from drive C: again; the disappear
// marker is their only marker.
class AnimationElement : public SteppedElement {
  public:
    void link() override;
    bool skipsPreparation() const override;
    bool disappears() const override;
};

}  // namespace ztv
