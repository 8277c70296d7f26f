#pragma once

#include <Qt>

namespace ztv::rtf {

// Where the text of a group goes.
enum class Destination { Text, FontTable, ColorTable, Skipped };

// The character and paragraph properties that a group inherits from its parent and that its
// closing brace restores.
struct RtfGroupState {
    Destination destination = Destination::Text;
    // A font number of the font table; -1 is the document's default font (\deffN).
    int font = -1;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    // -1 subscript, 0 normal, 1 superscript.
    int verticalPosition = 0;
    // Indexes into the colour table; 0 is the automatic colour.
    int foreground = 0;
    int background = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    // How many fallback characters follow a \uN.
    int unicodeFallback = 1;

    // \plain: the character properties back to their defaults.
    void resetCharacter() {
        const RtfGroupState defaults;
        font = defaults.font;
        halfPoints = defaults.halfPoints;
        bold = italic = underline = strikeOut = false;
        verticalPosition = 0;
        foreground = background = 0;
    }
};

}  // namespace ztv::rtf
