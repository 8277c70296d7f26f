#include "player/elements/TextRendering.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace ztv {
namespace {

struct LinePlaces {
    QPoint shadow;
    QPoint text;
};

// The pair is shifted so that neither the text nor its shadow starts left of or above the line's
// own place.
LinePlaces placesOf(QPoint line, QPoint offset) {
    const QPoint shift(std::max(0, -offset.x()), std::max(0, -offset.y()));
    return {line + shift + offset, line + shift};
}

int lineLeft(TextAlign align, int areaWidth, int lineWidth) {
    switch (align) {
        case TextAlign::Left:
            return 0;
        case TextAlign::Right:
            return areaWidth - lineWidth;
        case TextAlign::Centre:
            break;
    }
    return (areaWidth - lineWidth) / 2;
}

}  // namespace

QImage renderText(const QStringList& lines, const TextLook& look, QSize size, QColor text,
                  QColor shadow) {
    QImage bitmap(size, QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(Qt::transparent);
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(look.font);
    const QFontMetrics metrics = painter.fontMetrics();
    const bool shadowed = !look.shadow.isNull();
    qint64 y = 0;
    for (const QString& line : lines) {
        if (y > size.height() + metrics.height() + std::abs(look.shadow.y())) {
            break;  // this line and those after it fall below the bitmap
        }
        const QPoint at(lineLeft(look.align, size.width(), metrics.horizontalAdvance(line)),
                        int(y) + metrics.ascent());
        const LinePlaces places = placesOf(at, shadowed ? look.shadow : QPoint());
        if (shadowed) {
            painter.setPen(shadow);
            painter.drawText(places.shadow, line);
        }
        painter.setPen(text);
        painter.drawText(places.text, line);
        y += metrics.height() + look.spacing;
    }
    return bitmap;
}

QSize measureText(const QStringList& lines, const TextLook& look) {
    const QFontMetrics metrics(look.font);
    const qint64 shadowX = std::abs(look.shadow.x());
    const qint64 shadowY = std::abs(look.shadow.y());
    qint64 width = 0;
    qint64 height = 0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line) + shadowX);
        height += metrics.height() + shadowY;
    }
    if (!lines.isEmpty()) {
        height += qint64(look.spacing) * (lines.size() - 1);
    }
    // A long text in a huge font must not wrap around; the sizes stay within what an int holds.
    const auto bounded = [](qint64 v) { return int(std::clamp<qint64>(v, 0, 1 << 30)); };
    return {bounded(width), bounded(height)};
}

QImage composeOver(const QImage& under, const QImage& rendering) {
    QImage bitmap = under.convertToFormat(QImage::Format_RGB32);
    QPainter(&bitmap).drawImage(0, 0, rendering);
    return bitmap;
}

void keyOutUncovered(QImage& composed, const QImage& rendering) {
    const int width = std::min(composed.width(), rendering.width());
    const int height = std::min(composed.height(), rendering.height());
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(composed.scanLine(y));
        const auto* cover = reinterpret_cast<const QRgb*>(rendering.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(cover[x]) == 0) {
                row[x] = kTextKey;
            } else if ((row[x] | 0xFF000000) == kTextKey) {
                row[x] = kTextKey - 1;
            }
        }
    }
}

}  // namespace ztv
