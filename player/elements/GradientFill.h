#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace ztv {

class LanguageFile;

enum class GradientDirection { LeftToRight, TopToBottom, Circular };

// The direction that `sensdegra` names (language lines 180, 181; anything else is circular).
GradientDirection gradientDirection(const QString& sensdegra, const LanguageFile& language);

// The background gradient in 101 steps from `from` to `to`: vertical bands, horizontal bands,
// or circles shrinking to the centre, which ends in `to`.
void fillGradient(QImage& picture, QColor from, QColor to, GradientDirection direction);

}  // namespace ztv
