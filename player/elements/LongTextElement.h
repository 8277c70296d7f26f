#pragma once

#include "player/elements/ShownControl.h"

namespace ztv {

// Row 61: the long text.
class LongTextElement : public ShownControl {};

}  // namespace ztv
