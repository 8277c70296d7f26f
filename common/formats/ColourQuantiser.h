#pragma once

#include "common/formats/PaletteDither.h"

#include <QImage>
#include <optional>

namespace ztv {

// One frame reduced to at most 256 colours for a GIF. A frame of that few colours keeps them
// exactly; any other gets a median-cut palette and Floyd-Steinberg dithering. When `transparent`
// is given, the pixels of exactly that colour get an index of their own, which no other pixel
// takes.
IndexedFrame quantiseFrame(const QImage& frame, std::optional<QRgb> transparent = std::nullopt);

}  // namespace ztv
