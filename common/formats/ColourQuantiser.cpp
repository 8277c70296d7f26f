#include "common/formats/ColourQuantiser.h"

#include "common/formats/MedianCutPalette.h"

#include <QHash>

namespace ztv {
namespace {

// The frame's own colours, each with its index, when there are at most `limit` besides the
// transparent one.
std::optional<QHash<QRgb, int>> fewColours(const QImage& frame, std::optional<QRgb> transparent,
                                           int limit) {
    QHash<QRgb, int> colours;
    for (int y = 0; y < frame.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb pixel = line[x] | 0xFF000000u;
            if ((transparent && pixel == *transparent) || colours.contains(pixel)) {
                continue;
            }
            if (colours.size() == limit) {
                return std::nullopt;
            }
            colours.insert(pixel, int(colours.size()));
        }
    }
    return colours;
}

IndexedFrame exactFrame(const QImage& frame, const QHash<QRgb, int>& colours,
                        std::optional<QRgb> transparent) {
    IndexedFrame out;
    out.palette.resize(colours.size());
    for (auto it = colours.begin(); it != colours.end(); ++it) {
        out.palette[it.value()] = it.key();
    }
    if (transparent) {
        out.transparentIndex = int(out.palette.size());
        out.palette.append(*transparent);
    }
    out.width = frame.width();
    out.height = frame.height();
    out.indices.reserve(std::size_t(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        for (int x = 0; x < out.width; ++x) {
            const QRgb pixel = line[x] | 0xFF000000u;
            out.indices.push_back(std::uint8_t(transparent && pixel == *transparent
                                                   ? out.transparentIndex
                                                   : colours.value(pixel)));
        }
    }
    return out;
}

}  // namespace

IndexedFrame quantiseFrame(const QImage& frame, std::optional<QRgb> transparent) {
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
    if (transparent) {
        *transparent |= 0xFF000000u;
    }
    // The transparent colour takes the last of the 256 entries.
    const int limit = transparent ? 255 : 256;
    if (const auto colours = fewColours(rgb, transparent, limit)) {
        return exactFrame(rgb, *colours, transparent);
    }
    QList<QRgb> palette = medianCutPalette(rgb, limit, transparent);
    if (transparent) {
        palette.append(*transparent);
    }
    return ditherToPalette(rgb, palette, transparent, transparent ? int(palette.size()) - 1 : -1);
}

}  // namespace ztv
