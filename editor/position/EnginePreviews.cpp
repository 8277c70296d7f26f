#include "editor/position/EnginePreviews.h"

#include "editor/position/PageHost.h"
#include "player/elements/Element.h"
#include "player/elements/StepTiming.h"

namespace ztv::editor {

EngineRun::EngineRun(PageHost& host, std::unique_ptr<Element> element)
    : host_(host), element_(std::move(element)) {
    host_.resetSteps();
    element_->prepare();
    element_->show();
}

EngineRun::~EngineRun() = default;

bool EngineRun::tick(qint64 nowMs) {
    if (finished() || host_.nextStepMs() > nowMs) {
        return false;
    }
    element_->step();
    return true;
}

bool EngineRun::finished() const {
    return stopped_ || element_->transitionFinished() || element_->freeRequested();
}

PanoramaRun::PanoramaRun(TransitionEngine& transitions, QImage& page, const ElementRecord& record,
                         QImage picture, QPoint at)
    : transitions_(transitions),
      page_(page),
      picture_(std::move(picture)),
      at_(at),
      vitesse_(record.Vitesse) {
    const int percent = std::max(1, roundDiv(steptiming::speed(vitesse_), 10));
    state_ = transitions_.start(record.Effet, {0, percent, 100, record.size}, page_, picture_, at_);
}

void PanoramaRun::step() {
    transitions_.step(state_, page_, picture_, at_);
}

qint64 PanoramaRun::delayMs() const {
    return steptiming::panoramaDelayMs(vitesse_);
}

}  // namespace ztv::editor
