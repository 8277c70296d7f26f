#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <optional>

namespace ztv {

// Copies `picture` onto `target` with its top-left corner at `at`, clipped to the target. With a
// key colour, the picture's pixels of that colour leave the target as it was: a picture that
// still holds its transparent colour never shows it as a coloured box. The picture is 32-bit; a
// target of another depth is made 32-bit first.
// A clip rectangle (target coordinates) narrows where it draws.
void drawThrough(QImage& target, QPoint at, const QImage& picture, std::optional<QRgb> key,
                 const QRect& clip = QRect());

}  // namespace ztv
