#pragma once

#include "player/elements/SteppedElement.h"

namespace ztv {

// Row 24: the character. It looks its files up from drive C: again.
class CharacterElement : public SteppedElement {
  public:
    void link() override;
};

}  // namespace ztv
