#pragma once

#include <QImage>

namespace ztv {

// The mean distance between the colours of two pictures of one size, pixel by pixel, in RGB
// units (0 to 441.7); -1 when their sizes differ. How far a reduced picture strays from its
// source.
double meanColourError(const QImage& a, const QImage& b);

}  // namespace ztv
