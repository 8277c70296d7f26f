#pragma once

#include "common/formats/ElementRecord.h"
#include "common/formats/LangLines.h"
#include "editor/document/RememberedFont.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QStringList>
#include <optional>

namespace ztv {
class LanguageFile;
struct TextLook;
}  // namespace ztv

namespace ztv::editor {

// The room `Fichier` gives a text: its lines as comma text, in Windows-1252 bytes.
inline constexpr int kTextFichierBytes = 249;
// Offsets and spacing the editor offers: within them the layout list (alignment, spacing and two
// offsets) always fits its 30 bytes, so it is never cut.
inline constexpr int kMaxTextShadow = 99;
inline constexpr int kMaxLineSpacing = 999;

// The font list of a text (`sensdegra`): name, style name, size in points.
QString textFontList(const RememberedFont& font, const LanguageFile& language);
// The layout list of a text (`Transparent`): alignment name, line spacing, shadow offsets.
QString textLayoutList(const QString& alignment, int spacing, QPoint shadow);

// What a text cell shows, as the text dialog edits it and the demo writes it: its lines, font,
// layout and colours, and the record fields they make. The player reads those fields back into
// the same look; only a style of three or four attributes, which has no name, reads as none.
struct TextFields {
    QStringList lines;
    RememberedFont font;
    int alignLine = lang::AlignLeft;  // 145 to 147
    int spacing = 0;                  // pixels between two lines
    QPoint shadow;                    // from the text to its shadow; (0, 0): none
    QColor colour = Qt::black;
    QColor shadowColour = Qt::black;
    std::optional<QColor> hoverColour;

    // The fields of a text record; a marker in `Fichier` reads as its text.
    static TextFields fromRecord(const ElementRecord& record, const LanguageFile& language);

    enum class Refusal {
        None,
        Empty,                // no line holds a character
        UnstorableCharacter,  // a character page files cannot hold
        TooLong,              // the quoted lines pass the 249 bytes of `Fichier`
    };
    Refusal refusal() const;
    // The first character of the lines that page files cannot hold; empty when none.
    QString unstorableCharacter() const;

    // `Fichier`, `sensdegra`, `Transparent`, `Couleur`, `Couldegra`, `SurvolFichier` and an empty
    // `style`; the rectangle and the rest of the record are left as they are.
    void applyTo(ElementRecord& record, const LanguageFile& language) const;
    QString commaText() const;

    // The look the player reads from the stored lists, the size it draws the lines in, and the
    // lines drawn by the player's own rendering at that size (over transparency; none when the
    // size is beyond what the player draws).
    TextLook look(const LanguageFile& language) const;
    QSize measured(const LanguageFile& language) const;
    QImage rendering(const LanguageFile& language, const QColor& text) const;
};

}  // namespace ztv::editor
