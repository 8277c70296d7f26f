#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

namespace ztv {

// Milliseconds on a monotonic clock: a change of the wall clock never freezes or rushes
// playback. Tests inject a clock they advance by hand.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual qint64 nowMs() const = 0;
};

class MonotonicClock final : public Clock {
  public:
    MonotonicClock() { timer_.start(); }
    qint64 nowMs() const override { return timer_.elapsed(); }

  private:
    QElapsedTimer timer_;
};

class ManualClock final : public Clock {
  public:
    qint64 nowMs() const override { return now_; }
    void advance(qint64 ms) { now_ += ms; }
    void set(qint64 ms) { now_ = ms; }

  private:
    qint64 now_ = 0;
};

}  // namespace ztv
