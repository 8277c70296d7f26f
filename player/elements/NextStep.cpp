#include "player/elements/NextStep.h"

#include "common/formats/ElementRecord.h"
#include "common/platform/Clock.h"
#include "player/elements/StepScheduler.h"

namespace ztv {

void scheduleStepIn(StepScheduler& steps, const ElementRecord& record, qint64 delayMs) {
    steps.setNextStep(record.Ligne, record.Colonne, steps.clock().nowMs() + delayMs);
}

}  // namespace ztv
