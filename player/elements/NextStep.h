#pragma once

#include <QtGlobal>

namespace ztv {

class StepScheduler;
struct ElementRecord;

// Asks for the next timer step of the record's cell `delayMs` from now (engine clock).
void scheduleStepIn(StepScheduler& steps, const ElementRecord& record, qint64 delayMs);

}  // namespace ztv
