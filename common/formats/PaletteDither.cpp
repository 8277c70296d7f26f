#include "common/formats/PaletteDither.h"

#include <algorithm>
#include <array>

namespace ztv {
namespace {

// The nearest palette entry to a colour, remembered for each cell of 4 x 4 x 4 colours: a
// photo's pixels fall in few cells, so most look-ups cost one read.
class NearestColour {
  public:
    NearestColour(const QList<QRgb>& palette, int excluded)
        : palette_(palette), excluded_(excluded), cache_(1 << 18, -1) {}

    int operator()(int r, int g, int b) {
        std::int16_t& cached = cache_[(r >> 2) << 12 | (g >> 2) << 6 | b >> 2];
        if (cached < 0) {
            cached = std::int16_t(search((r & ~3) + 2, (g & ~3) + 2, (b & ~3) + 2));
        }
        return cached;
    }

  private:
    int search(int r, int g, int b) const {
        int best = excluded_ == 0 ? 1 : 0;
        int bestDistance = -1;
        for (int i = 0; i < palette_.size(); ++i) {
            if (i == excluded_) {
                continue;
            }
            const int dr = r - qRed(palette_[i]);
            const int dg = g - qGreen(palette_[i]);
            const int db = b - qBlue(palette_[i]);
            const int distance = dr * dr + dg * dg + db * db;
            if (bestDistance < 0 || distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        return best;
    }

    const QList<QRgb>& palette_;
    int excluded_;
    std::vector<std::int16_t> cache_;
};

// The diffused error of a row, sixteen times the colour units, with a pixel of margin each side.
using ErrorRow = std::vector<std::array<int, 3>>;

}  // namespace

IndexedFrame ditherToPalette(const QImage& frame, const QList<QRgb>& palette,
                             std::optional<QRgb> hole, int holeIndex) {
    IndexedFrame out;
    out.palette = palette;
    out.width = frame.width();
    out.height = frame.height();
    out.transparentIndex = hole ? holeIndex : -1;
    out.indices.assign(std::size_t(out.width) * out.height, 0);
    if (palette.isEmpty() || (hole && palette.size() < 2)) {
        std::fill(out.indices.begin(), out.indices.end(), std::uint8_t(std::max(holeIndex, 0)));
        return out;
    }
    NearestColour nearest(palette, hole ? holeIndex : -1);
    const QRgb holeColour = hole ? (*hole | 0xFF000000u) : 0;
    ErrorRow current(out.width + 2, {0, 0, 0}), below(out.width + 2, {0, 0, 0});
    for (int y = 0; y < out.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        std::uint8_t* indices = out.indices.data() + std::size_t(y) * out.width;
        const int step = y % 2 == 0 ? 1 : -1;
        std::fill(below.begin(), below.end(), std::array<int, 3>{0, 0, 0});
        for (int n = 0; n < out.width; ++n) {
            const int x = step > 0 ? n : out.width - 1 - n;
            const QRgb pixel = line[x] | 0xFF000000u;
            if (hole && pixel == holeColour) {
                indices[x] = std::uint8_t(holeIndex);
                continue;
            }
            const int at = x + 1;
            const std::array<int, 3> wanted{
                std::clamp(qRed(pixel) + ((current[at][0] + 8) >> 4), 0, 255),
                std::clamp(qGreen(pixel) + ((current[at][1] + 8) >> 4), 0, 255),
                std::clamp(qBlue(pixel) + ((current[at][2] + 8) >> 4), 0, 255)};
            const int index = nearest(wanted[0], wanted[1], wanted[2]);
            indices[x] = std::uint8_t(index);
            const std::array<int, 3> got{qRed(palette[index]), qGreen(palette[index]),
                                         qBlue(palette[index])};
            for (int k = 0; k < 3; ++k) {
                const int error = wanted[k] - got[k];
                current[at + step][k] += error * 7;
                below[at - step][k] += error * 3;
                below[at][k] += error * 5;
                below[at + step][k] += error;
            }
        }
        std::swap(current, below);
    }
    return out;
}

}  // namespace ztv
