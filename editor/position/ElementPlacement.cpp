#include "editor/position/ElementPlacement.h"

#include "common/formats/ElementKinds.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/FileIo.h"
#include "editor/position/CellRecords.h"
#include "editor/position/HandleGeometry.h"

namespace ztv::editor {

namespace {

// An animation's disappearance covers it where it arrives.
QRect lastRect(const ElementRecord& r, const QRect& rect) {
    if (kindOfRow(r.Ligne) != ElementKind::Animation) {
        return rect;
    }
    return reachableRect(r.sensdegra.toInt(), r.style.toInt(), rect.width(), rect.height());
}

}  // namespace

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
    if (placed && factsOfRow(row).disappearanceAtRect &&
        placed->Fichier != language.text(lang::MarkerDisappear)) {
        const int next = nextDisappearance(*records, row, column, language);
        if (next > 0) {
            setRecordRect((*records)[next], lastRect(*placed, rect));
        }
    }
    QByteArray bytes;
    for (const ElementRecord& r : *records) {
        bytes += encodePageRecord(r);
    }
    return writeFileAtomically(jouHost, bytes, error);
}

}  // namespace ztv::editor
