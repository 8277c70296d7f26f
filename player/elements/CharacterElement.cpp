#include "player/elements/CharacterElement.h"

namespace ztv {

void CharacterElement::link() {
    roles().finder->resetMediaDrive();
}

}  // namespace ztv
