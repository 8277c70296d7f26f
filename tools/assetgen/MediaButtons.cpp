#include "MediaButtons.h"

#include <QPainter>
#include <QPainterPath>

namespace ztv::assets {
namespace {

const QColor kSymbol(32, 32, 40);

QPainterPath triangle(QPointF a, QPointF b, QPointF c) {
    QPainterPath path(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    return path;
}

void draw(QPainter& p, const QString& name) {
    if (name == QStringLiteral("play")) {
        p.drawPath(triangle({4, 2}, {14, 8}, {4, 14}));
    } else if (name == QStringLiteral("pause")) {
        p.drawRect(QRectF(3, 2, 3.5, 12));
        p.drawRect(QRectF(9.5, 2, 3.5, 12));
    } else if (name == QStringLiteral("stop")) {
        p.drawRect(QRectF(3, 3, 10, 10));
    } else if (name == QStringLiteral("previous")) {
        p.drawRect(QRectF(2, 2, 2.5, 12));
        p.drawPath(triangle({14, 2}, {5, 8}, {14, 14}));
    } else if (name == QStringLiteral("eject")) {
        p.drawPath(triangle({8, 2}, {14, 9}, {2, 9}));
        p.drawRect(QRectF(2, 11, 12, 3));
    }
}

}  // namespace

QStringList mediaButtonNames() {
    return {QStringLiteral("play"), QStringLiteral("pause"), QStringLiteral("stop"),
            QStringLiteral("previous"), QStringLiteral("eject")};
}

QImage mediaButton(const QString& name) {
    if (!mediaButtonNames().contains(name)) {
        return {};
    }
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kSymbol);
    draw(p, name);
    return image;
}

}  // namespace ztv::assets
