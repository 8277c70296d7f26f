#pragma once

#include "player/elements/Element.h"

namespace ztv {

// Row 25: the panorama. It looks its files up from drive C: again and stays alive after its
// steps to serve clicks; the disappear marker is its only marker.
class PanoramaElement : public Element {
  public:
    void link() override;
    bool skipsPreparation() const override;
    bool disappears() const override;
    void step() override;
};

}  // namespace ztv
