#pragma once

#include <QtGlobal>
#include <limits>

namespace ztv::editor {

// One preview of the position editor as it runs: the edited element plays on the page picture,
// stepped by the preview clock, until it finishes or is stopped.
class PreviewRun {
  public:
    virtual ~PreviewRun() = default;

    // One tick of the preview clock: the next step when it has come due. True when a step was
    // taken, so that the page is shown again only then.
    virtual bool tick(qint64 nowMs) = 0;
    virtual bool finished() const = 0;
    // Esc, or a close refused while it runs: the preview ends at a coming tick.
    virtual void stop() = 0;
};

// A preview that steps at its own pace: its first step at the first tick, then one each delay.
class TimedRun : public PreviewRun {
  public:
    bool tick(qint64 nowMs) final {
        if (finished() || nowMs < due_) {
            return false;
        }
        step();
        due_ = nowMs + delayMs();
        return true;
    }

  protected:
    virtual void step() = 0;
    virtual qint64 delayMs() const = 0;

  private:
    qint64 due_ = std::numeric_limits<qint64>::min();
};

}  // namespace ztv::editor
