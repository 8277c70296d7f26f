#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <optional>
#include <random>
#include <span>

namespace ztv {

// Nearest integer to num / den (den > 0), halves to the even neighbour, in exact integers.
int roundDiv(std::int64_t num, std::int64_t den);
// p + s without overflow: both come from a record and may be anything.
int advancePosition(int position, int step);

// The generator of the random reveals. Production reseeds it at every step; a fixed seed makes
// every run draw the same blocks, for tests and for pictures that must come out the same.
class EffectRandom {
  public:
    void seed(std::uint32_t value);
    void reseedForStep();
    // Uniform in 0 .. n - 1; 0 when n <= 0.
    int below(int n);

  private:
    std::mt19937 generator_{std::random_device{}()};
    bool fixed_ = false;
};

// What one step draws with: the canvas C, the element's picture B (same pixel format) at its
// place, and the effect's option and step. Element coordinates: (0, 0) is B's top-left corner.
// Every copy is clipped to B and to the part of the element's rectangle that lies on C.
class EffectTarget {
  public:
    EffectTarget(QImage& canvas, const QImage& picture, QPoint at, int option, int step,
                 EffectRandom& random);

    int width() const { return picture_.width(); }
    int height() const { return picture_.height(); }
    int option() const { return option_; }
    int step() const { return step_; }
    EffectRandom& random() const { return random_; }
    QImage& canvas() const { return canvas_; }
    const QImage& picture() const { return picture_; }
    QPoint at() const { return at_; }

    // Part of B copied to the same place.
    void copy(const QRect& part) const { copy(part, part.topLeft()); }
    // Part of B copied to `to`, unscaled.
    void copy(const QRect& part, QPoint to) const;
    // Part of B stretched into `to`.
    void stretch(const QRect& part, const QRect& to) const { stretch({&part, 1}, {&to, 1}); }
    // Each part of B stretched into its place, in turn: a later one over an earlier one.
    void stretch(std::span<const QRect> parts, std::span<const QRect> to) const;
    void copyWhole() const { copy(picture_.rect()); }
    // The whole of B; with a key colour, B's pixels of that colour leave the canvas as it was.
    void copyWholeThrough(std::optional<QRgb> key) const;

    // Raw rows for the per-pixel effects: pixel (x, y) and the run after it, all inside
    // visible(). canvas.scanLine() detaches only once, at the first write of a step.
    QRect visible() const { return visible_; }
    QRgb* canvasRow(int y, int x) const;
    const QRgb* pictureRow(int y, int x) const;

  private:
    QImage& canvas_;
    const QImage& picture_;
    QPoint at_;
    int option_;
    int step_;
    EffectRandom& random_;
    QRect visible_;
};

}  // namespace ztv
