#pragma once

#include "editor/document/RememberedFont.h"

#include <QColor>
#include <QRect>
#include <QString>

namespace ztv {
struct ElementRecord;
class LanguageFile;
}  // namespace ztv

namespace ztv::editor {

// What the long-text dialog edits, as a long text's record (row 61) keeps it: the file
// (`Fichier`, without its drive), the border (`Vitesse` 1), the rectangle, the text and background
// colours (`Couleur`, `Couldegra`) and the font (`sensdegra` its name, `style` its style text,
// `size` its points). A long text has no transition, wait, action or hover: the record's other
// fields get fixed values.
struct LongTextFields {
    QString fichier;
    bool border = true;
    QRect rect;
    QColor text = Qt::black;
    QColor background = Qt::white;
    RememberedFont font;

    static LongTextFields fromRecord(const ElementRecord& record, const LanguageFile& language);
    void toRecord(ElementRecord& record, const LanguageFile& language) const;
    // What the storyboard's cell shows: the file's name.
    QString cellText() const;
};

}  // namespace ztv::editor
