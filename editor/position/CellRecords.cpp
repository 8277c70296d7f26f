#include "editor/position/CellRecords.h"

#include "common/formats/ElementKinds.h"
#include "common/platform/FileIo.h"
#include "editor/document/Storyboard.h"
#include "editor/document/UndoSnapshot.h"
#include "editor/position/ElementPlacement.h"
#include "editor/position/HandleGeometry.h"
#include "editor/position/PositionStart.h"

#include <QFile>

#include <algorithm>

namespace ztv::editor {

namespace {

bool holdsCell(const ElementRecord& r, int row, int column) {
    return r.Ligne == row && r.Colonne == column && !r.Fichier.isEmpty();
}

}  // namespace

void CellRecords::rebuildDefaultRects() {
    for (int row = 1; row <= kRowCount; ++row) {
        storyboard_.setDefaultRect(row, QRect());
    }
    const QRect screen(QPoint(0, 0), screen_);
    const int backgroundRow = firstRowOf(ElementKind::Background);
    storyboard_.setDefaultRect(backgroundRow, screen);
    for (qint64 i = 1; i < storyboard_.actRecordCount(); ++i) {
        const auto r = storyboard_.actRecord(int(i));
        if (!r) {
            break;
        }
        if (kindOfRow(r->Ligne) == ElementKind::Background) {
            storyboard_.setDefaultRect(backgroundRow, screen);
        } else if (r->Ligne != 0 && kindOfRow(r->Ligne) != ElementKind::Sound) {
            storyboard_.setDefaultRect(r->Ligne, recordRect(*r));
        }
    }
}

int CellRecords::findCell(int row, int column) const {
    for (qint64 i = 1; i < storyboard_.actRecordCount(); ++i) {
        const auto r = storyboard_.actRecord(int(i));
        if (!r) {
            break;
        }
        if (holdsCell(*r, row, column)) {
            return int(i);
        }
    }
    return -1;
}

std::optional<ElementRecord> CellRecords::record(int index) const {
    return storyboard_.actRecord(index);
}

CellRecords::SaveError CellRecords::save(const ElementRecord& record, int index, int* written,
                                         QString* error) {
    if (storyboard_.page() == 0 || !QFile::exists(storyboard_.actPath())) {
        return SaveError::PageMissing;
    }
    const int page = storyboard_.page();
    if (!takeUndoSnapshot(storyboard_, error)) {
        // The snapshot reopens the page; if even that failed the page is gone.
        if (storyboard_.page() == 0) {
            storyboard_.openPage(page);
            return SaveError::PageMissing;
        }
    }
    const int target = index > 0 ? index : int(std::max<qint64>(storyboard_.actRecordCount(), 1));
    if (!storyboard_.writeActRecord(target, record, error)) {
        return SaveError::WriteFailed;
    }
    *written = target;
    return SaveError::None;
}

CellRecords::PreviewError CellRecords::previewWrite(const ElementRecord& record, bool existing,
                                                    const QString& cellText, int* jouIndex,
                                                    QString* error) {
    const QString jou = storyboard_.jouPath();
    QList<ElementRecord> records;
    if (const auto read = readPageFile(jou)) {
        records = *read;
    }
    if (records.isEmpty()) {
        records.append(ElementRecord{});
    }
    const auto cell = std::find_if(records.begin() + 1, records.end(), [&](const auto& r) {
        return holdsCell(r, record.Ligne, record.Colonne);
    });
    if (existing && cell == records.end()) {
        return PreviewError::NotFound;
    }
    if (cell != records.end()) {
        *cell = record;
    } else {
        records.append(record);
    }
    moveNextDisappearance(records, record, language_);
    // The cell shows while the file is ordered, as it will after OK.
    const QString before = storyboard_.cellText(record.Colonne, record.Ligne);
    storyboard_.setCellText(record.Colonne, record.Ligne, cellText);
    const QByteArray ordered = storyboard_.orderedPageFile(records);
    storyboard_.setCellText(record.Colonne, record.Ligne, existing ? cellText : before);
    if (!writeFileAtomically(jou, ordered, error)) {
        return PreviewError::WriteFailed;
    }
    const auto written = readPageFile(jou);
    *jouIndex = -1;
    for (int i = 1; written && i < written->size(); ++i) {
        if (holdsCell(written->at(i), record.Ligne, record.Colonne)) {
            *jouIndex = i;
            break;
        }
    }
    return PreviewError::None;
}

QRect CellRecords::proposedDisappearanceRect(int row, int column) const {
    std::optional<ElementRecord> best;
    for (qint64 i = 1; i < storyboard_.actRecordCount(); ++i) {
        const auto r = storyboard_.actRecord(int(i));
        if (!r) {
            break;
        }
        if (r->Ligne == row && r->Colonne < column && (!best || r->Colonne > best->Colonne)) {
            best = r;
        }
    }
    if (!best || best->Largeur == 0 || best->Hauteur == 0) {
        return QRect(2, 2, 100, 100);
    }
    return QRect(best->Gauche, best->Haut, best->Largeur, best->Hauteur);
}

int nextDisappearance(const QList<ElementRecord>& records, int row, int column,
                      const LanguageFile& language) {
    int next = -1;
    for (int i = 1; i < records.size(); ++i) {
        const ElementRecord& r = records[i];
        if (!r.Fichier.isEmpty() && r.Ligne == row && r.Colonne > column && r.Colonne < 23 &&
            (next < 0 || r.Colonne < records[next].Colonne)) {
            next = i;
        }
    }
    return next >= 0 && isDisappearanceMarker(records[next].Fichier, language) ? next : -1;
}

QList<ElementRecord> CellRecords::pageRecords() const {
    QList<ElementRecord> records{ElementRecord{}};
    for (qint64 i = 1; i < storyboard_.actRecordCount(); ++i) {
        const auto r = storyboard_.actRecord(int(i));
        if (!r) {
            break;
        }
        records.append(*r);
    }
    return records;
}

bool CellRecords::propagateNextDisappearance(int row, int column, const QRect& rect,
                                             QString* error) {
    QList<ElementRecord> records = pageRecords();
    const int next = nextDisappearance(records, row, column, language_);
    if (next < 0) {
        return true;
    }
    ElementRecord& target = records[next];
    target.Gauche = rect.left();
    target.Haut = rect.top();
    target.Largeur = rect.width();
    target.Hauteur = rect.height();
    return storyboard_.writeActRecord(next, target, error);
}

}  // namespace ztv::editor
