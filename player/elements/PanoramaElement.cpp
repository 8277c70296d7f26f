#include "player/elements/PanoramaElement.h"

#include "common/formats/LangLines.h"

namespace ztv {

void PanoramaElement::link() {
    roles().finder->resetMediaDrive();
}

bool PanoramaElement::skipsPreparation() const {
    return fichierIsOneOf({lang::MarkerDisappear});
}

bool PanoramaElement::disappears() const {
    return fichierIsOneOf({lang::MarkerDisappear});
}

void PanoramaElement::step() {
    finishSteps();
}

}  // namespace ztv
