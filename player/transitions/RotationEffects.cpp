#include "player/transitions/SavedEffects.h"

#include <QPointF>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace ztv::effects {
namespace {

// The point of the picture it turns about (its centre or a corner, in picture coordinates) and
// the radius that the turning picture never leaves.
struct Pivot {
    QPointF anchor;
    int radius;
};

Pivot pivotOf(int effect, int w, int h) {
    const double diagonal = std::hypot(double(w), double(h));
    const int whole = int(std::lrint(diagonal));
    switch (effect) {
        case 41:
            return {{0, 0}, whole};
        case 42:
            return {{double(w), 0}, whole};
        case 43:
            return {{0, double(h)}, whole};
        case 44:
            return {{double(w), double(h)}, whole};
        default:
            return {{w / 2.0, h / 2.0}, int(std::lrint(diagonal / 2))};
    }
}

// The square of side 2R about the pivot on the canvas: everything a turn may draw on.
QRect squareOf(const EffectTarget& t, const Pivot& pivot) {
    const QPointF centre = QPointF(t.at()) + pivot.anchor;
    const int r = pivot.radius;
    return {int(std::floor(centre.x())) - r, int(std::floor(centre.y())) - r, 2 * r, 2 * r};
}

// Every pixel of the square on the canvas, turned back by the angle, takes the picture's pixel
// there, or the saved page where the picture is not (or shows its key colour).
void drawTurned(const TransitionState& s, const EffectTarget& t, const Pivot& pivot,
                double degrees) {
    QImage& canvas = t.canvas();
    const QImage& picture = t.picture();
    const QRect area = squareOf(t, pivot) & canvas.rect();
    const QPointF centre = QPointF(t.at()) + pivot.anchor;
    const double radians = degrees * std::numbers::pi / 180.0;
    const double cs = std::cos(radians);
    const double sn = std::sin(radians);
    // Picture coordinates in 16.16 fixed point: one addition per pixel, and one unsigned
    // comparison per axis tells whether the point lies on the picture.
    constexpr double kOne = 65536.0;
    const std::int64_t du = std::llround(cs * kOne);
    const std::int64_t dv = -std::llround(sn * kOne);
    const auto wide = std::uint64_t(picture.width()) << 16;
    const auto high = std::uint64_t(picture.height()) << 16;
    // Locals, so that the pixel stores cannot make the compiler read them again.
    const uchar* bits = picture.constBits();
    const qsizetype stride = picture.bytesPerLine();
    const bool keyed = s.keyColour.has_value();
    const QRgb key = s.keyColour.value_or(0);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(canvas.scanLine(y)) + area.left();
        const QRgb* under =
            reinterpret_cast<const QRgb*>(s.saved.constScanLine(y - s.savedAt.y())) +
            (area.left() - s.savedAt.x());
        const double dx = area.left() + 0.5 - centre.x();
        const double dy = y + 0.5 - centre.y();
        std::int64_t u = std::llround((dx * cs + dy * sn + pivot.anchor.x()) * kOne);
        std::int64_t v = std::llround((-dx * sn + dy * cs + pivot.anchor.y()) * kOne);
        for (int i = 0; i < area.width(); ++i, u += du, v += dv) {
            QRgb pixel = under[i];
            if (std::uint64_t(u) < wide && std::uint64_t(v) < high) {
                const QRgb p = reinterpret_cast<const QRgb*>(bits + (v >> 16) * stride)[u >> 16];
                pixel = keyed && ((p ^ key) & 0x00FFFFFF) == 0 ? pixel : p;
            }
            row[i] = pixel;
        }
    }
}

}  // namespace

void stepRotation(TransitionState& s, const EffectTarget& t) {
    const Pivot pivot = pivotOf(s.effect, t.width(), t.height());
    if (!s.held) {
        // Only what lies on the canvas: the square of a large picture can be far larger.
        saveUnder(s, t.canvas(), squareOf(t, pivot) & t.canvas().rect());
        s.turns = 0;
    }
    s.position = advancePosition(s.position, s.step);
    if (s.end != 100) {
        s.position = std::min(s.position, s.end);
    }
    drawTurned(s, t, pivot, s.position * 3.6);
    if (s.position > 99) {
        if (++s.turns == s.option) {
            finishWhole(s, t);
        } else {
            s.position = 1;  // another turn; with no positive count, for as long as the page
        }
    } else if (s.position >= s.end) {
        release(s);
    }
}

}  // namespace ztv::effects
