#include "player/elements/Element.h"

#include "common/formats/DisplayScaling.h"
#include "common/formats/LangLines.h"
#include "common/platform/Clock.h"
#include "player/elements/LineMatch.h"
#include "player/elements/StepTiming.h"

namespace ztv {

void Element::setRecord(int index, const ElementRecord& record, const DisplayGeometry& geometry) {
    record_ = record;
    recordIndex_ = index;
    scaleToDisplay(record_, geometry);
}

bool Element::skipsPreparation() const {
    return fichierIsOneOf({lang::MarkerDisappear, lang::MarkerBackgroundDisappear});
}

bool Element::disappears() const {
    return fichierIsOneOf({lang::MarkerDisappear, lang::MarkerBackgroundDisappear});
}

bool Element::fichierIsOneOf(std::initializer_list<int> lines) const {
    return roles_.messages != nullptr &&
           isOneOfLines(roles_.messages->language(), record_.Fichier, lines);
}

void Element::finishSteps() {
    if (roles_.steps != nullptr) {
        roles_.steps->finishSteps(record_.Ligne, record_.Colonne);
    }
}

void Element::scheduleTransitionStep() {
    StepScheduler& steps = *roles_.steps;
    steps.setNextStep(record_.Ligne, record_.Colonne,
                      steps.clock().nowMs() + steptiming::transitionDelayMs(record_.Vitesse));
}

void Element::restartColumnPause() {
    if (roles_.pacing != nullptr) {
        roles_.pacing->restartColumnPause();
    }
}

}  // namespace ztv
