#pragma once

#include <QFont>
#include <QPoint>
#include <QString>

namespace ztv {

class LanguageFile;

enum class TextAlign { Left, Right, Centre };

// How a text element draws its lines: the font list (name, style name, size in points) and the
// layout list (alignment name, line spacing, shadow offsets) of its record, read once. Items that
// are missing or out of reason give the nearest sound value, never an error.
struct TextLook {
    QFont font;
    TextAlign align = TextAlign::Centre;
    int spacing = 0;  // pixels between two lines
    QPoint shadow;    // from the text to its shadow; (0, 0): no shadow
};

// `fontList` is `sensdegra`, `layoutList` is `Transparent`; style and alignment names are
// language lines 130 to 140, 145 and 146.
TextLook readTextLook(const QString& fontList, const QString& layoutList,
                      const LanguageFile& language);

}  // namespace ztv
