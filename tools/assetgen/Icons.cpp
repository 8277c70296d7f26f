#include "Icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ztv::assets {
namespace {

const QColor kTealDark(22, 74, 86);
const QColor kTeal(46, 140, 132);
const QColor kAmber(240, 196, 96);

// A transparent square, antialiased, with its background under the mark.
template <class PaintMark>
QImage paintIcon(int size, void (*paintBackground)(QPainter&, int), PaintMark paintMark) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintBackground(p, size);
    paintMark(p);
    return image;
}

// The programs' common tile: a rounded teal square.
void paintTile(QPainter& p, int size) {
    const QRectF tile(size * 0.06, size * 0.06, size * 0.88, size * 0.88);
    QLinearGradient g(tile.topLeft(), tile.bottomRight());
    g.setColorAt(0, kTeal);
    g.setColorAt(1, kTealDark);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(tile, size * 0.18, size * 0.18);
}

void paintZ(QPainter& p, const QRectF& box, const QColor& colour) {
    QPainterPath z;
    const qreal t = box.height() * 0.2;
    z.moveTo(box.left(), box.top());
    z.lineTo(box.right(), box.top());
    z.lineTo(box.right(), box.top() + t);
    z.lineTo(box.left() + t * 1.3, box.bottom() - t);
    z.lineTo(box.right(), box.bottom() - t);
    z.lineTo(box.right(), box.bottom());
    z.lineTo(box.left(), box.bottom());
    z.lineTo(box.left(), box.bottom() - t);
    z.lineTo(box.right() - t * 1.3, box.top() + t);
    z.lineTo(box.left(), box.top() + t);
    z.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(z);
}

void paintPlay(QPainter& p, const QRectF& box, const QColor& colour) {
    QPainterPath triangle;
    triangle.moveTo(box.left(), box.top());
    triangle.lineTo(box.right(), box.center().y());
    triangle.lineTo(box.left(), box.bottom());
    triangle.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(triangle);
}

// A sheet with a folded corner.
void paintSheet(QPainter& p, int size) {
    const qreal l = size * 0.16, r = size * 0.84, t = size * 0.06, b = size * 0.94;
    const qreal fold = size * 0.2;
    QPainterPath sheet;
    sheet.moveTo(l, t);
    sheet.lineTo(r - fold, t);
    sheet.lineTo(r, t + fold);
    sheet.lineTo(r, b);
    sheet.lineTo(l, b);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(120, 120, 120), qMax(1.0, size / 64.0)));
    p.setBrush(QColor(250, 250, 248));
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(r - fold, t);
    corner.lineTo(r - fold, t + fold);
    corner.lineTo(r, t + fold);
    corner.closeSubpath();
    p.setBrush(QColor(214, 214, 210));
    p.drawPath(corner);
}

}  // namespace

QStringList programIconNames() {
    return {QStringLiteral("zentrovale"), QStringLiteral("ztvplay")};
}

QStringList fileTypeIconNames() {
    return {QStringLiteral("application-x-zentrovale-pzv"),
            QStringLiteral("application-x-zentrovale-ztv"),
            QStringLiteral("application-x-zentrovale-ztvx")};
}

QList<int> iconSizes() {
    return {48, 256};
}

QImage programIcon(const QString& name, int size) {
    return paintIcon(size, paintTile, [&](QPainter& p) {
        const QRectF inner(size * 0.28, size * 0.26, size * 0.44, size * 0.48);
        if (name == QStringLiteral("ztvplay")) {
            paintPlay(p, inner.adjusted(size * 0.04, 0, 0, 0), kAmber);
        } else {
            paintZ(p, inner, Qt::white);
        }
    });
}

// The authoring program's project shows the Z, the presentations the play sign; the single-file
// one carries a band, as a packed file.
QImage fileTypeIcon(const QString& name, int size) {
    return paintIcon(size, paintSheet, [&](QPainter& p) {
        const QRectF mark(size * 0.32, size * 0.36, size * 0.36, size * 0.36);
        if (name.endsWith(QStringLiteral("pzv"))) {
            paintZ(p, mark, kTeal);
            return;
        }
        paintPlay(p, mark.adjusted(size * 0.03, 0, 0, 0), kTeal);
        if (name.endsWith(QStringLiteral("ztvx"))) {
            p.setPen(Qt::NoPen);
            p.setBrush(kAmber);
            p.drawRect(QRectF(size * 0.16, size * 0.78, size * 0.68, size * 0.08));
        }
    });
}

}  // namespace ztv::assets
