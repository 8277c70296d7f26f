#include "player/elements/AnimationElement.h"

#include "common/formats/LangLines.h"

namespace ztv {

void AnimationElement::link() {
    roles().finder->resetMediaDrive();
}

bool AnimationElement::skipsPreparation() const {
    return fichierIsOneOf({lang::MarkerDisappear});
}

bool AnimationElement::disappears() const {
    return fichierIsOneOf({lang::MarkerDisappear});
}

}  // namespace ztv
