#include "editor/position/ElementPlacement.h"

#include "common/formats/ElementKinds.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/FileIo.h"
#include "editor/document/AnimationFields.h"
#include "editor/position/CellRecords.h"
#include "editor/position/HandleGeometry.h"

namespace ztv::editor {

bool writePlacement(const QString& jouHost, int row, int column, const QRect& rect,
                    const std::function<void(ElementRecord&)>& change, const LanguageFile& language,
                    QString* error) {
    auto records = readPageFile(jouHost);
    if (!records || records->isEmpty()) {
        if (error) {
            *error = jouHost;
        }
        return false;
    }
    const ElementRecord* placed = nullptr;
    for (int i = 1; i < records->size(); ++i) {
        ElementRecord& r = (*records)[i];
        if (r.Ligne != row || r.Colonne != column) {
            continue;
        }
        setRecordRect(r, rect);
        if (change) {
            change(r);
        }
        placed = placed ? placed : &r;
    }
    if (placed) {
        moveNextDisappearance(*records, ElementRecord(*placed), language);
    }
    QByteArray bytes;
    for (const ElementRecord& r : *records) {
        bytes += encodePageRecord(r);
    }
    return writeFileAtomically(jouHost, bytes, error);
}

void moveNextDisappearance(QList<ElementRecord>& records, const ElementRecord& placed,
                           const LanguageFile& language) {
    const int row = placed.Ligne;
    if (!factsOfRow(row).disappearanceAtRect ||
        placed.Fichier == language.text(lang::MarkerDisappear)) {
        return;
    }
    const int next = nextDisappearance(records, row, placed.Colonne, language);
    if (next > 0) {
        setRecordRect(records[next], kindOfRow(row) == ElementKind::Animation ? arrivalRect(placed)
                                                                              : recordRect(placed));
    }
}

}  // namespace ztv::editor
