#include "editor/position/PlaceholderLabel.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace ztv::editor {

namespace {

QSize textSize(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

}  // namespace

void drawPlaceholderLabel(QImage& target, const QString& text, const QString& fontName) {
    if (target.isNull()) {
        return;
    }
    QFont font(fontName);
    int size = 48;
    font.setPixelSize(size);
    const int a = target.width();
    const int b = target.height();
    while (size >= 4) {
        const QSize s = textSize(font, text);
        if (s.width() + 4 <= a && s.height() <= b) {
            break;
        }
        font.setPixelSize(--size);
    }
    const QSize s = textSize(font, text);
    const int x = (a - s.width()) / 2;
    const int y = (b - s.height()) / 2;
    QPainter painter(&target);
    painter.setFont(font);
    const QRect shadow(x + 2, y, s.width() + 2, s.height());
    painter.setPen(QColor(255, 255, 0));
    painter.drawText(shadow, Qt::AlignLeft | Qt::AlignTop, text);
    painter.setPen(QColor(128, 0, 0));
    painter.drawText(shadow.translated(-2, 0), Qt::AlignLeft | Qt::AlignTop, text);
}

}  // namespace ztv::editor
