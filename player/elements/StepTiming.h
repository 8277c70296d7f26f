#pragma once

#include <QtGlobal>
#include <algorithm>

// How long an element waits between two steps, by kind and `Vitesse`. A speed of 0 or less
// counts as 1, so no delay divides by zero.
namespace ztv::steptiming {

inline qint64 speed(int vitesse) {
    return std::max(1, vitesse);
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
