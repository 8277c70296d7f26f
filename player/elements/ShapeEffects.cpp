#include "player/elements/EffectFamilies.h"

#include <QPainter>
#include <QPolygon>
#include <vector>

namespace ztv::effects {
namespace {

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

QRect boundsOf(const Shape& shape) {
    if (shape.polygons.empty()) {
        return shape.ellipse;
    }
    QRect bounds;
    for (const QPolygon& polygon : shape.polygons) {
        bounds |= polygon.boundingRect();
    }
    return bounds;
}

}  // namespace

void drawShape(int effect, const EffectTarget& t, int p) {
    const Shape shape = shapeAt(effect, t.width(), t.height(), p);
    // Only the shape's box (with a pixel for the outline) is masked and scanned.
    const QRect area = boundsOf(shape).adjusted(-1, -1, 1, 1) & t.visible();
    if (area.isEmpty()) {
        return;
    }
    QImage mask(area.size(), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.translate(-area.topLeft());
        painter.setPen(Qt::black);  // filled and outlined, as the shape's border counts as inside
        painter.setBrush(Qt::black);
        if (shape.polygons.empty()) {
            painter.drawEllipse(shape.ellipse);
        }
        for (const QPolygon& polygon : shape.polygons) {
            painter.drawPolygon(polygon);
        }
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* inside = mask.constScanLine(y - area.top());
        const QRgb* from = t.pictureRow(y, area.left());
        QRgb* to = t.canvasRow(y, area.left());
        for (int x = 0; x < area.width(); ++x) {
            if (inside[x] != 0 && (from[x] & 0x00FFFFFF) != kSeeThrough) {
                to[x] = from[x];
            }
        }
    }
}

void drawSideBands(const EffectTarget& t, int e) {
    const int band = roundDiv(roundDiv(std::int64_t(e) * t.width(), 100), 2);
    t.copy(QRect(0, 0, band, t.height()));
    t.copy(QRect(t.width() - band, 0, band, t.height()));
}

}  // namespace ztv::effects
