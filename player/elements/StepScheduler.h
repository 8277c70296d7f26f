#pragma once

#include <QtGlobal>

namespace ztv {

class Clock;

// When an element takes its next timer step.
class StepScheduler {
  public:
    virtual ~StepScheduler() = default;

    virtual const Clock& clock() const = 0;
    // When the cell takes its next timer step (engine clock, ms).
    virtual void setNextStep(int row, int column, qint64 timeMs) = 0;
    // The cell needs no more steps and its row no longer counts as shown in the column.
    virtual void finishSteps(int row, int column) = 0;
};

}  // namespace ztv
