#pragma once

#include <QRgb>
#include <vector>

// One row of the cross-fade: every colour byte becomes old x (100 - p) div 100 + next x p div 100
// (p from 0 to 100) and every pixel comes out opaque. The vector paths are chosen at run time
// from what the processor offers; each gives exactly the bytes of the portable one.
namespace ztv {

using FadeRowFunction = void (*)(QRgb* out, const QRgb* old, const QRgb* next, int width, int p);

// The fastest path this processor can take.
void fadeRow(QRgb* out, const QRgb* old, const QRgb* next, int width, int p);

struct FadeRowPath {
    const char* name;
    FadeRowFunction run;
};
// Every path this processor can take, the portable one first and the fastest last, so that tests
// can hold them to the same bytes.
std::vector<FadeRowPath> fadeRowPaths();

}  // namespace ztv
