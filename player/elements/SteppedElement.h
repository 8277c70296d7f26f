#pragma once

#include "player/elements/Element.h"

namespace ztv {

// The element kinds whose own behaviour comes with their feature draw nothing until it is built;
// the ones that take timer steps (rows 24 and 26 to 29) finish at their first step and free
// themselves, so that a column holding them still goes on.
class SteppedElement : public Element {
  public:
    void step() override;
};

}  // namespace ztv
