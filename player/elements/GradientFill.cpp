#include "player/elements/GradientFill.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"

#include <QPainter>
#include <cmath>

namespace ztv {
namespace {

// Halves go to the even neighbour, as the default rounding mode does.
int roundEven(double v) {
    return int(std::nearbyint(v));
}

// start + round(i x d) for each channel, d being a hundredth of the way.
QColor stepColour(QColor from, QColor to, int i) {
    const auto channel = [i](int a, int b) { return (a + roundEven(i * (b - a) / 100.0)) & 0xff; };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

}  // namespace

GradientDirection gradientDirection(const QString& sensdegra, const LanguageFile& language) {
    const QString leftToRight = language.text(lang::GradientLeftToRight);
    const QString topToBottom = language.text(lang::GradientTopToBottom);
    if (!leftToRight.isEmpty() && sensdegra == leftToRight) {
        return GradientDirection::LeftToRight;
    }
    if (!topToBottom.isEmpty() && sensdegra == topToBottom) {
        return GradientDirection::TopToBottom;
    }
    return GradientDirection::Circular;
}

void fillGradient(QImage& picture, QColor from, QColor to, GradientDirection direction) {
    const int w = picture.width();
    const int h = picture.height();
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    if (direction == GradientDirection::Circular) {
        painter.fillRect(picture.rect(), from);
        painter.setRenderHint(QPainter::Antialiasing, false);
        const QPointF centre(w / 2.0, h / 2.0);
        for (int f = 1; f <= 100; ++f) {
            const double radius = (101 - f) / 100.0 * (w / 2.0);
            painter.setBrush(stepColour(from, to, f));
            painter.drawEllipse(centre, radius, radius);
        }
        return;
    }
    const bool vertical = direction == GradientDirection::LeftToRight;
    const int extent = vertical ? w : h;
    for (int i = 0; i <= 100; ++i) {
        const int a = roundEven(i / 100.0 * extent);
        const int b = roundEven((i + 1) / 100.0 * extent);
        const QRect band = vertical ? QRect(a, 0, b - a, h) : QRect(0, a, w, b - a);
        painter.fillRect(band, stepColour(from, to, i));
    }
}

}  // namespace ztv
