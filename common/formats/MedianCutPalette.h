#pragma once

#include <QImage>
#include <QList>
#include <optional>

namespace ztv {

// A palette of at most maxColours (1 to 256) for an opaque frame (Format_RGB32), by median cut
// over a 5-bit-per-channel histogram, refined by two rounds of moving each colour to the mean of
// the pixels nearest to it. Pixels of the `skipped` colour do not count. Empty when every pixel
// is skipped.
QList<QRgb> medianCutPalette(const QImage& frame, int maxColours,
                             std::optional<QRgb> skipped = std::nullopt);

}  // namespace ztv
