#pragma once

#include "player/elements/Element.h"

namespace ztv {

// Rows 60 and 61: controls that the engine hides and frees at a page change; they never
// disappear through a marker.
class ShownControl : public Element {
  public:
    bool disappears() const override { return false; }
};

}  // namespace ztv
