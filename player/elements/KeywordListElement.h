#pragma once

#include "player/elements/ShownControl.h"

namespace ztv {

// Row 60: the keyword list.
class KeywordListElement : public ShownControl {};

}  // namespace ztv
