#include "player/transitions/EffectTarget.h"

#include "player/transitions/KeyedCopy.h"
#include "player/transitions/NearestStretch.h"

#include <QPainter>
#include <algorithm>
#include <cstring>
#include <vector>

namespace ztv {

int roundDiv(std::int64_t num, std::int64_t den) {
    std::int64_t q = num / den;
    std::int64_t r = num % den;
    if (r < 0) {
        r += den;
        --q;
    }
    if (2 * r > den || (2 * r == den && (q & 1) != 0)) {
        ++q;
    }
    return int(q);
}

int advancePosition(int position, int step) {
    return int(std::min<std::int64_t>(std::int64_t(position) + step, INT32_MAX));
}

void EffectRandom::seed(std::uint32_t value) {
    generator_.seed(value);
    fixed_ = true;
}

void EffectRandom::reseedForStep() {
    if (!fixed_) {
        generator_.seed(std::random_device{}());
    }
}

int EffectRandom::below(int n) {
    if (n <= 0) {
        return 0;
    }
    // Multiply-shift: uniform enough for reveals, and much cheaper than a distribution object.
    return int((std::uint64_t(generator_()) * std::uint64_t(n)) >> 32);
}

EffectTarget::EffectTarget(QImage& canvas, const QImage& picture, QPoint at, int option, int step,
                           EffectRandom& random)
    : canvas_(canvas),
      picture_(picture),
      at_(at),
      option_(option),
      step_(step),
      random_(random),
      visible_(picture.rect() & canvas.rect().translated(-at)) {}

void EffectTarget::copy(const QRect& part, QPoint to) const {
    // Clip the source to B, move the target along, then clip the target to what is visible.
    const QRect source = part & picture_.rect();
    const QPoint delta = part.topLeft() - to;  // from a target pixel to its source pixel
    const QRect target = source.translated(-delta) & visible_;
    if (target.isEmpty()) {
        return;
    }
    const std::size_t bytes = std::size_t(target.width()) * sizeof(QRgb);
    for (int y = target.top(); y <= target.bottom(); ++y) {
        std::memcpy(canvasRow(y, target.left()),
                    pictureRow(y + delta.y(), target.left() + delta.x()), bytes);
    }
}

void EffectTarget::copyWholeThrough(std::optional<QRgb> key) const {
    drawThrough(canvas_, at_, picture_, key);
}

void EffectTarget::stretch(std::span<const QRect> parts, std::span<const QRect> to) const {
    std::vector<StretchPart> drawn;
    for (std::size_t i = 0; i < parts.size() && i < to.size(); ++i) {
        const QRect source = parts[i] & picture_.rect();
        if (!source.isEmpty() && !to[i].isEmpty() && !(to[i] & visible_).isEmpty()) {
            drawn.push_back({source, to[i].translated(at_)});
        }
    }
    const QRect clip = visible_.translated(at_);
    if (drawn.empty() || stretchNearest(canvas_, picture_, drawn, clip)) {
        return;
    }
    QPainter painter(&canvas_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setClipRect(clip);
    for (const StretchPart& part : drawn) {
        painter.drawImage(part.to, picture_, part.from);
    }
}

QRgb* EffectTarget::canvasRow(int y, int x) const {
    return reinterpret_cast<QRgb*>(canvas_.scanLine(y + at_.y())) + (x + at_.x());
}

const QRgb* EffectTarget::pictureRow(int y, int x) const {
    return reinterpret_cast<const QRgb*>(picture_.constScanLine(y)) + x;
}

}  // namespace ztv
