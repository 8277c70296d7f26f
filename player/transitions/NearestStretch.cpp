#include "player/transitions/NearestStretch.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace ztv {
namespace {

// The painter's fixed-point walk along one axis: the 16.16 source position of the first drawn
// target pixel, and the step from one target pixel to the next.
struct Walk {
    std::uint32_t start = 0;
    std::uint32_t step = 0;
    bool fits = false;  // every sample lies inside the picture
};

// From `sourceLength` pixels at `sourceStart` to `targetLength` at `targetStart`, drawing `count`
// target pixels from `first`; samples must lie in 0 .. `limit` - 1.
Walk walk(int sourceStart, int sourceLength, int targetStart, int targetLength, int first,
          int count, int limit) {
    const double scale = double(sourceLength) / double(targetLength);
    // The painter samples at the target pixel's centre and takes one unit off the position.
    const double offset = std::ceil((first + 0.5 - targetStart) * scale * 65536) - 1;
    const std::int64_t step = std::int64_t(0x10000 * scale);
    const std::int64_t start = std::int64_t(sourceStart) * 65536 + std::int64_t(offset);
    const std::int64_t last = start + step * (count - 1);
    Walk w;
    w.fits = offset < double(INT32_MAX) && last < (std::int64_t(1) << 32) && (last >> 16) < limit;
    w.start = std::uint32_t(start);
    w.step = std::uint32_t(step);
    return w;
}

// Where the painter's scaled draw keeps its 16.16 fixed point (else it takes another path).
bool withinFixedPoint(const QRect& r) {
    constexpr int kLimit = 0x7fff;
    return r.width() <= kLimit && r.height() <= kLimit && r.left() >= -kLimit &&
           r.top() >= -kLimit && r.left() + r.width() <= kLimit && r.top() + r.height() <= kLimit;
}

// One part ready to draw: its visible target rectangle and its two walks.
struct Plan {
    QRect drawn;
    Walk across;
    Walk down;
};

std::optional<Plan> plan(const QImage& picture, const StretchPart& part, const QRect& clip) {
    const QRect& from = part.from;
    const QRect& to = part.to;
    if ((from.width() == 1 && from.height() == 1) || !withinFixedPoint(to) ||
        !withinFixedPoint(from)) {
        return std::nullopt;
    }
    Plan p;
    p.drawn = to & clip;
    if (p.drawn.isEmpty()) {
        return p;
    }
    p.across = walk(from.left(), from.width(), to.left(), to.width(), p.drawn.left(),
                    p.drawn.width(), picture.width());
    p.down = walk(from.top(), from.height(), to.top(), to.height(), p.drawn.top(), p.drawn.height(),
                  picture.height());
    if (!p.across.fits || !p.down.fits) {
        return std::nullopt;
    }
    return p;
}

// Canvas row `line` of one part.
void drawRow(const Plan& p, const QImage& picture, QRgb* canvasRow, int line) {
    const std::uint32_t y = p.down.start + p.down.step * std::uint32_t(line - p.drawn.top());
    const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(int(y >> 16)));
    QRgb* target = canvasRow + p.drawn.left();
    const std::size_t width = std::size_t(p.drawn.width());
    if (p.across.step == 0x10000) {  // not stretched across: the samples follow each other
        std::memcpy(target, source + (p.across.start >> 16), width * sizeof(QRgb));
        return;
    }
    std::uint32_t x = p.across.start;
    for (std::size_t i = 0; i < width; ++i) {
        target[i] = source[x >> 16];
        x += p.across.step;
    }
}

}  // namespace

bool stretchNearest(QImage& canvas, const QImage& picture, std::span<const StretchPart> parts,
                    const QRect& clip) {
    if (canvas.format() != QImage::Format_RGB32 || picture.format() != QImage::Format_RGB32) {
        return false;
    }
    const QRect area = clip & canvas.rect();
    std::vector<Plan> plans;
    QRect rows;
    for (const StretchPart& part : parts) {
        const std::optional<Plan> p = plan(picture, part, area);
        if (!p) {
            return false;
        }
        if (!p->drawn.isEmpty()) {
            plans.push_back(*p);
            rows |= p->drawn;
        }
    }
    for (int line = rows.top(); line <= rows.bottom(); ++line) {
        auto* canvasRow = reinterpret_cast<QRgb*>(canvas.scanLine(line));
        for (const Plan& p : plans) {
            if (line >= p.drawn.top() && line <= p.drawn.bottom()) {
                drawRow(p, picture, canvasRow, line);
            }
        }
    }
    return true;
}

}  // namespace ztv
