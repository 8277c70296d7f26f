#include "editor/position/PositionStart.h"

#include "common/formats/ElementKinds.h"
#include "common/formats/LangLines.h"

namespace ztv::editor {

bool isDisappearanceMarker(const QString& text, const LanguageFile& language) {
    return text == language.text(lang::MarkerDisappear) ||
           text == language.text(lang::MarkerBackgroundDisappear) ||
           text == language.text(lang::MarkerSoundStop);
}

int positionStartRecord(const QList<ElementRecord>& records, int column, int row,
                        const LanguageFile& language) {
    int best = -1;
    for (qsizetype i = 1; i < records.size(); ++i) {
        const ElementRecord& r = records[i];
        if (r.Fichier.isEmpty() || isDisappearanceMarker(r.Fichier, language) ||
            kindOfRow(r.Ligne) == ElementKind::Sound) {
            continue;
        }
        if (r.Colonne > column || (r.Colonne == column && r.Ligne > row)) {
            continue;
        }
        if (best < 0 || r.Colonne > records[best].Colonne ||
            (r.Colonne == records[best].Colonne && r.Ligne > records[best].Ligne)) {
            best = int(i);
        }
    }
    return best;
}

}  // namespace ztv::editor
