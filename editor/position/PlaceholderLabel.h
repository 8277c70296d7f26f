#pragma once

#include <QImage>
#include <QString>

namespace ztv::editor {

// Writes the text centred on the picture, dark red with a yellow shadow 2 pixels to its right,
// in the given font from size 48 down until it fits (size 3 when even 4 is too big). Stands for
// elements the editor cannot show as they play: films, click zones, new column runs.
void drawPlaceholderLabel(QImage& target, const QString& text, const QString& fontName);

}  // namespace ztv::editor
