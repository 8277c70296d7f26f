#include "player/elements/SteppedElement.h"

namespace ztv {

void SteppedElement::step() {
    finishSteps();
    requestFree();
}

}  // namespace ztv
