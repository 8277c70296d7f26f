#pragma once

#include <QImage>
#include <QList>
#include <cstdint>
#include <optional>
#include <vector>

namespace ztv {

// A frame of one index a pixel into a palette of at most 256 colours.
struct IndexedFrame {
    QList<QRgb> palette;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;  // row after row
    int transparentIndex = -1;          // -1: none
    int indexAt(int x, int y) const { return indices[std::size_t(y) * width + x]; }
};

// Maps an opaque frame (Format_RGB32) onto the palette with Floyd-Steinberg error diffusion in
// serpentine order. Pixels of exactly the `hole` colour take `holeIndex` (a palette entry no
// other pixel takes), and no error flows into or out of them, so no neighbour turns into a hole.
IndexedFrame ditherToPalette(const QImage& frame, const QList<QRgb>& palette,
                             std::optional<QRgb> hole = std::nullopt, int holeIndex = -1);

}  // namespace ztv
