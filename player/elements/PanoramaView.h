#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

namespace ztv {

// The window onto a panorama picture: where it stands in the picture and what it shows. A
// panorama that turns through 360 degrees joins the picture's right edge to its left edge, and
// its view may start left of the picture (x between -width and 0: that far from the right edge).
class PanoramaView {
  public:
    enum Direction { Left = 0, Right = 1, Up = 2, Down = 3 };

    PanoramaView() = default;
    // The picture is 32-bit; the view is centred on it. A picture narrower (lower) than the view
    // is shown from its left (top) edge and does not scroll that way.
    PanoramaView(QImage picture, QSize view, bool fullTurn);

    bool isNull() const { return picture_.isNull(); }
    QPoint offset() const { return offset_; }
    // Moves the view by a share (percent of its width or height, at most one view) in a
    // direction, stopping at the picture's edges unless it turns through 360 degrees.
    void scroll(int direction, int horizontalPercent, int verticalPercent);
    // What the view shows now; what lies outside the picture is black.
    QImage render() const;
    // The same drawn straight onto a 32-bit target with its top-left corner at `at`.
    void drawAt(QImage& target, QPoint at) const;

  private:
    void scrollSideways(int by);
    void scrollUpright(int by);

    QImage picture_;
    QSize view_;
    bool fullTurn_ = false;
    QPoint offset_;
};

}  // namespace ztv
