#pragma once

#include <QImage>
#include <QRect>
#include <span>

namespace ztv {

// One stretched draw: the part `from` of the picture (inside it) into `to` on the canvas (not
// empty).
struct StretchPart {
    QRect from;
    QRect to;
};

// Draws the parts in turn (a later one over an earlier one) within `clip` (canvas coordinates)
// on the canvas, taking for every target pixel the picture pixel that QPainter's unsmoothed
// scaled draw of that part takes, so both draw the same pixels. It works row by row of the
// canvas for all the parts together, so each picture row is read in one pass and no painter is
// set up. Returns false, drawing nothing, where it cannot promise the painter's pixels: a canvas
// or picture other than RGB32, a one-pixel source (the painter fills it), sizes past the
// painter's 16.16 fixed point, or a sample that would fall outside the picture.
bool stretchNearest(QImage& canvas, const QImage& picture, std::span<const StretchPart> parts,
                    const QRect& clip);

}  // namespace ztv
