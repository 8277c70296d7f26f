#pragma once

#include "common/formats/LangLines.h"

#include <QFont>
#include <QString>

namespace ztv {
class LanguageFile;
}

namespace ztv::editor {

// The font the text, keyword and long-text dialogs share while the editor runs: their font
// dialogs start from it and store into it, and showing a record's font sets it.
struct RememberedFont {
    QString name = QStringLiteral("Arial");
    int points = 10;
    int styleLine = lang::FontStyleNormal;  // the line naming its style

    // The font at the editor's 96 dots per inch, with its style.
    QFont font(const LanguageFile& language) const;
    // Takes a name, a size as text and a style name; a style that is no line of 130 to 140 gives
    // no style, and a size that is no sensible number keeps the size it had.
    void set(const QString& fontName, const QString& sizeText, const QString& styleName,
             const LanguageFile& language);
    // Takes a font chosen in a font dialog.
    void set(const QFont& chosen);
};

}  // namespace ztv::editor
