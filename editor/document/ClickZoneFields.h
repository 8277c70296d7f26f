#pragma once

#include "common/formats/ElementRecord.h"

#include <QColor>
#include <QRect>
#include <QString>

namespace ztv {
class LanguageFile;
}

namespace ztv::editor {

// A click zone as its dialog shows it, free of widgets: the dialog and the demo generator make
// their zones' records through it alike.
struct ClickZoneFields {
    QRect rect{2, 2, 100, 30};
    QString acte;  // the text of the action's language line
    QString destination;
    QString destin2;
    bool inverse = false;
    bool afterClick = true;  // false: the action runs as soon as the zone shows
    bool hoverGoTo = false;  // the hover action goes to hoverPage, hoverColumn
    int hoverPage = 1;
    int hoverColumn = 1;

    // A new zone: no action, after a click, 100 x 30 at 2, 2.
    static ClickZoneFields newZone(const LanguageFile& language);
    static ClickZoneFields of(const ElementRecord& record);

    // Writes the zone of the row into record. A zone without action keeps the `Inverse` the
    // record holds, "non" when it holds none (a new record). The colours are the remembered
    // ones the dialogs share; a zone shows no colour but keeps them as every element does.
    void store(ElementRecord& record, const LanguageFile& language, int row, const QColor& colour,
               const QColor& secondColour) const;
};

// A zone's name, its `Fichier` and its cell text: line 168, a blank and the zone's number among
// the zone rows (1 for the first).
QString clickZoneName(const LanguageFile& language, int row);

}  // namespace ztv::editor
