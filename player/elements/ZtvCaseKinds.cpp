#include "player/elements/ZtvCaseKinds.h"

#include "common/formats/LangLines.h"
#include "player/elements/ElementHost.h"

namespace ztv {

void TSteppedElement::Avancer() {
    finirPas();
    LibererSoi();
}

void TZTVCasePerso::Lier() {
    host().resetMediaDrive();
}

void TZtvCaseAnim::Lier() {
    host().resetMediaDrive();
}

bool TZtvCaseAnim::sansPreparation() const {
    return fichierEst({lang::MarkerDisappear});
}

bool TZtvCaseAnim::aEffacer() const {
    return fichierEst({lang::MarkerDisappear});
}

void TZtvCasePano::Lier() {
    host().resetMediaDrive();
}

bool TZtvCasePano::sansPreparation() const {
    return fichierEst({lang::MarkerDisappear});
}

bool TZtvCasePano::aEffacer() const {
    return fichierEst({lang::MarkerDisappear});
}

void TZtvCasePano::Avancer() {
    finirPas();
}

}  // namespace ztv
