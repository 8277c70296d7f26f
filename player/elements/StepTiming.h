#pragma once

#include <QtGlobal>
#include <algorithm>

// How long an element waits between two steps, by kind and `Vitesse`. A speed of 0 or less
// counts as 1, so no delay divides by zero.
namespace ztv::steptiming {

inline qint64 speed(int vitesse) {
    return std::max(1, vitesse);
}

// The engine's timer ticks 64 times a second, the pace of the platform's timer: a wait of any
// length ends at the first tick at or after it, and a step with no delay waits for the next tick.
inline constexpr qint64 kTicksPerSecond = 64;

// The whole millisecond at which tick k is served: the first one at or after k x 15.625 ms.
inline qint64 tickMs(qint64 tick) {
    return (tick * 1000 + kTicksPerSecond - 1) / kTicksPerSecond;
}

// Milliseconds from `nowMs` (not negative) to the first tick served at or after nowMs + waitMs,
// never less than one.
inline qint64 msToTick(qint64 nowMs, qint64 waitMs) {
    const qint64 due = nowMs + std::max<qint64>(1, waitMs);
    return tickMs((due - 1) * kTicksPerSecond / 1000 + 1) - nowMs;
}

// Texts and images: (99 999 - 999 x Vitesse) / 99 ms, and no wait at all at 100.
inline qint64 transitionDelayMs(int vitesse) {
    const qint64 v = std::min<qint64>(speed(vitesse), 100);
    return v == 100 ? 0 : (99999 - 999 * v) / 99;
}

// Panorama: 100 / Vitesse ms.
inline qint64 panoramaDelayMs(int vitesse) {
    return 100 / speed(vitesse);
}

// Animation and character: 10 000 / Vitesse^2 ms.
inline qint64 spriteDelayMs(int vitesse) {
    const qint64 v = speed(vitesse);
    return 10000 / (v * v);
}

}  // namespace ztv::steptiming
