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

// Gives the font the bold, italic, underline and strike-out of a style name (lines 130 to 140);
// any other text leaves it without style.
void applyStyleNamed(QFont& font, const QString& styleName, const LanguageFile& language);
// The line (130 to 140) that names the font's style; three or four attributes have no line of
// their own and give line 130.
int styleLineOf(const QFont& font);

}  // namespace ztv
