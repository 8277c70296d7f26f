#pragma once

#include "player/elements/TextLook.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QStringList>

namespace ztv {

// The lines of a text drawn once into a transparent bitmap of `size` (premultiplied ARGB): the
// shadow in `shadow` at the look's offset, the text in `text` over it, both antialiased with
// their coverage in the alpha channel. Composing it over any page then blends the glyph edges
// with that page, never with a stand-in colour.
QImage renderText(const QStringList& lines, const TextLook& look, QSize size, QColor text,
                  QColor shadow);

// The size the lines need in that look: the widest line plus the shadow's horizontal offset, and
// every line's height plus the shadow's vertical offset, with the spacing between two lines. The
// editor sizes a text element by it.
QSize measureText(const QStringList& lines, const TextLook& look);

// The rendering drawn over `under` (a copy of the page beneath), as an opaque 32-bit bitmap.
QImage composeOver(const QImage& under, const QImage& rendering);

// Pure blue: what the effects over a saved background leave out of a text's bitmap.
inline constexpr QRgb kTextKey = 0xFF0000FF;

// For those effects: the composed bitmap's pixels that the rendering leaves wholly transparent
// become the key, and a covered pixel that happens to be the key moves one step off it, so the
// text itself never turns see-through.
void keyOutUncovered(QImage& composed, const QImage& rendering);

}  // namespace ztv
