#include "player/transitions/EffectFamilies.h"

#include <QPolygon>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace ztv::effects {
namespace {

// The shapes are unions of at most two convex polygons, or an ellipse, so each row of the mask
// is at most two runs of columns, found by geometry rather than by painting a mask.

// Pure red pixels of B stay see-through while a shape grows (the mask colour of the cut).
constexpr QRgb kSeeThrough = 0x00FF0000;

struct Shape {
    std::vector<QPolygon> polygons;
    QRect ellipse;  // used when there is no polygon
};

QPolygon triangle(QPoint a, QPoint b, QPoint c) {
    return QPolygon({a, b, c});
}

QPolygon box(QPoint topLeft, QPoint bottomRight) {
    return QPolygon(QRect(topLeft, bottomRight));
}

// The shapes in element coordinates at position p.
Shape shapeAt(int effect, int width, int height, int p) {
    const int w = roundDiv(std::int64_t(width) * p, 100);
    const int h = roundDiv(std::int64_t(height) * p, 100);
    const int halfW = roundDiv(std::int64_t(width) * p, 200);
    const int halfH = roundDiv(std::int64_t(height) * p, 200);
    const int cx = roundDiv(width, 2);
    const int cy = roundDiv(height, 2);
    const int w2 = roundDiv(w, 2);
    const int h2 = roundDiv(h, 2);
    switch (effect) {
        case 32:
            return {{}, QRect(cx - w, cy - h, 2 * w, 2 * h)};
        case 33:
            return {{box({cx - w, cy - halfH}, {cx + w, cy + halfH}),
                     box({cx - halfW, cy - h}, {cx + halfW, cy + h})},
                    {}};
        case 34:
            return {{triangle({cx - w2, cy + halfH}, {cx + w2, cy + halfH}, {cx, cy - halfH})}, {}};
        case 35:
            return {{triangle({cx - w, cy}, {cx + w, cy}, {cx, cy - h}),
                     triangle({cx - w, cy}, {cx + w, cy}, {cx, cy + h})},
                    {}};
        case 36:
            return {{triangle({cx - w, cy + h2}, {cx + w, cy + h2}, {cx, cy - h}),
                     triangle({cx - w, cy - h2}, {cx + w, cy - h2}, {cx, cy + h})},
                    {}};
        case 37:
            return {{triangle({cx - w, cy + h}, {cx + w, cy + h}, {cx, cy}),
                     triangle({cx - w, cy - h}, {cx + w, cy - h}, {cx, cy})},
                    {}};
        case 38:
            return {{triangle({cx - w, cy + h}, {cx + w, cy + h}, {cx, cy - halfH}),
                     triangle({cx - w, cy - h}, {cx + w, cy - h}, {cx, cy + halfH})},
                    {}};
        default:
            return {{QPolygon({{cx - w, cy},
                               {cx - w2, cy - h},
                               {cx + w2, cy - h},
                               {cx + w, cy},
                               {cx + w2, cy + h},
                               {cx - w2, cy + h}})},
                    {}};
    }
}

// Columns [from, to) of one row.
struct Span {
    int from;
    int to;
};

// Pixel (x, y) covers [x, x + 1) x [y, y + 1); it is inside a shape it overlaps, which is
// what a filled and outlined shape covers. For a convex polygon the columns of a row are the
// polygon's x-extent within the row's slab.
std::optional<Span> polygonSpan(const QPolygon& polygon, int y) {
    double minX = std::numeric_limits<double>::max();
    double maxX = std::numeric_limits<double>::lowest();
    const double top = y;
    const double bottom = y + 1;
    for (int i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % polygon.size()];
        const double lowY = std::min(a.y(), b.y());
        const double highY = std::max(a.y(), b.y());
        if (highY < top || lowY >= bottom) {
            continue;
        }
        if (a.y() == b.y()) {
            minX = std::min({minX, a.x(), b.x()});
            maxX = std::max({maxX, a.x(), b.x()});
            continue;
        }
        for (const double cut : {std::max(lowY, top), std::min(highY, bottom)}) {
            const double x = a.x() + (b.x() - a.x()) * (cut - a.y()) / (b.y() - a.y());
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
        }
    }
    if (minX > maxX) {
        return std::nullopt;
    }
    return Span{int(std::floor(minX)), int(std::floor(maxX)) + 1};
}

std::optional<Span> ellipseSpan(const QRect& box, int y) {
    const double rx = box.width() / 2.0;
    const double ry = box.height() / 2.0;
    if (rx <= 0 || ry <= 0) {
        return std::nullopt;
    }
    const double cx = box.left() + rx;
    const double cy = box.top() + ry;
    const double nearest = std::clamp(cy, double(y), double(y + 1));
    const double dy = (nearest - cy) / ry;
    if (dy * dy > 1) {
        return std::nullopt;
    }
    const double half = rx * std::sqrt(1 - dy * dy);
    return Span{int(std::floor(cx - half)), int(std::floor(cx + half)) + 1};
}

// Copies B's pixels of [from, to) in row y, except pure red.
void copyCut(const EffectTarget& t, int y, int from, int to) {
    const QRgb* source = t.pictureRow(y, from);
    QRgb* target = t.canvasRow(y, from);
    for (int i = 0; i < to - from; ++i) {
        const QRgb pixel = source[i];
        target[i] = (pixel & 0x00FFFFFF) == kSeeThrough ? target[i] : pixel;
    }
}

}  // namespace

void drawShape(int effect, const EffectTarget& t, int p) {
    const Shape shape = shapeAt(effect, t.width(), t.height(), p);
    const QRect area = t.visible();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::array<Span, 2> spans{};
        int count = 0;
        const auto add = [&](std::optional<Span> span) {
            if (span && count < 2) {
                span->from = std::max(span->from, area.left());
                span->to = std::min(span->to, area.right() + 1);
                if (span->from < span->to) {
                    spans[count++] = *span;
                }
            }
        };
        if (shape.polygons.empty()) {
            add(ellipseSpan(shape.ellipse, y));
        }
        for (const QPolygon& polygon : shape.polygons) {
            add(polygonSpan(polygon, y));
        }
        if (count == 2 && spans[1].from < spans[0].from) {
            std::swap(spans[0], spans[1]);
        }
        if (count == 2 && spans[1].from <= spans[0].to) {  // overlapping: one run
            spans[0].to = std::max(spans[0].to, spans[1].to);
            count = 1;
        }
        for (int i = 0; i < count; ++i) {
            copyCut(t, y, spans[i].from, spans[i].to);
        }
    }
}

void drawSideBands(const EffectTarget& t, int e) {
    const int band = roundDiv(roundDiv(std::int64_t(e) * t.width(), 100), 2);
    t.copy(QRect(0, 0, band, t.height()));
    t.copy(QRect(t.width() - band, 0, band, t.height()));
}

}  // namespace ztv::effects
