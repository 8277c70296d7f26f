#include "player/transitions/KeyedCopy.h"

#include <cstring>

namespace ztv {

void drawThrough(QImage& target, QPoint at, const QImage& picture, std::optional<QRgb> key,
                 const QRect& clip) {
    const QRect area = clip.isNull() ? target.rect() : target.rect() & clip;
    const QRect visible = picture.rect() & area.translated(-at);
    if (visible.isEmpty() || picture.depth() != 32) {
        return;
    }
    if (target.depth() != 32) {
        target.convertTo(QImage::Format_RGB32);
    }
    const int left = visible.left();
    const int width = visible.width();
    const QRgb colour = key.value_or(0) & 0x00FFFFFF;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y)) + left;
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(y + at.y())) + left + at.x();
        if (!key) {
            std::memcpy(row, source, std::size_t(width) * sizeof(QRgb));
            continue;
        }
        // A select rather than a branch: the compiler turns the row into vector blends.
        for (int i = 0; i < width; ++i) {
            const QRgb pixel = source[i];
            row[i] = (pixel & 0x00FFFFFF) == colour ? row[i] : pixel;
        }
    }
}

}  // namespace ztv
