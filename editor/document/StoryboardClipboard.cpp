#include "editor/document/StoryboardClipboard.h"

#include "common/formats/ElementDefaults.h"
#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "editor/document/ClickZoneFields.h"
#include "editor/document/Storyboard.h"
#include "editor/document/StoryboardRows.h"
#include "editor/document/UndoSnapshot.h"

#include <QDir>
#include <QFileInfo>
#include <functional>

namespace ztv::editor {

namespace {

constexpr int kColumnReachesEnd = 78;
constexpr int kNotAllPasted = 79;
constexpr int kNoColumnAfterLast = 423;
constexpr int kCopiedPageMissing = 54;
constexpr int kCutFileMissing = 51;

const QString kCopyFile = QStringLiteral("copier.cop");
const QString kCutFile = QStringLiteral("couper.cop");

// A page file or a snapshot of one; a size that is not whole records means it is not one.
std::optional<QList<ElementRecord>> readRecords(const QString& hostPath) {
    auto records = readPageFile(hostPath);
    if (!records || QFileInfo(hostPath).size() % kPageRecordSize != 0) {
        return std::nullopt;
    }
    if (records->isEmpty()) {
        records->append(ElementRecord{});  // record 0 of a page never written to
    }
    return records;
}

bool writeRecords(const QString& hostPath, const QList<ElementRecord>& records) {
    QByteArray data(kPageRecordSize, '\0');
    for (qsizetype i = 1; i < records.size(); ++i) {
        data += encodePageRecord(records[i]);
    }
    return writeFileAtomically(hostPath, data);
}

bool isCell(int column, int row) {
    return column >= 1 && column <= kColumnCount && row >= 1 && row <= kRowCount;
}

// The first record from index 1 that holds the cell; -1 when none.
int findCell(const QList<ElementRecord>& records, int column, int row) {
    for (qsizetype i = 1; i < records.size(); ++i) {
        const ElementRecord& r = records[i];
        if (r.Ligne == row && r.Colonne == column && !r.Fichier.isEmpty()) {
            return int(i);
        }
    }
    return -1;
}

void copyFileGroup(ElementRecord& to, const ElementRecord& from) {
    to.Fichier = from.Fichier;
    to.Gauche = from.Gauche;
    to.Haut = from.Haut;
    to.Largeur = from.Largeur;
    to.Hauteur = from.Hauteur;
    to.Couleur = from.Couleur;
    to.Couldegra = from.Couldegra;
    to.sensdegra = from.sensdegra;
    to.style = from.style;
    to.size = from.size;
}

void copyEffectGroup(ElementRecord& to, const ElementRecord& from) {
    to.Effet = from.Effet;
    to.Transparent = from.Transparent;
    to.Vitesse = from.Vitesse;
    to.Attente = from.Attente;
    to.DisparAuto = from.DisparAuto;
    to.IntegrFond = from.IntegrFond;
    to.EffetPas = from.EffetPas;
    to.EffetDepart = from.EffetDepart;
    to.EffetFin = from.EffetFin;
}

void copyActionGroup(ElementRecord& to, const ElementRecord& from) {
    to.Acte = from.Acte;
    to.Destination = from.Destination;
    to.Destin2 = from.Destin2;
    to.Click = from.Click;
    to.Inverse = from.Inverse;
    to.SurvolFichier = from.SurvolFichier;
    to.SurvolAction = from.SurvolAction;
    to.SurvolPage = from.SurvolPage;
    to.SurvolColonne = from.SurvolColonne;
    to.SurvolRetablir = from.SurvolRetablir;
}

// Tombstones the range's cells; true when there was one.
bool clearCells(QList<ElementRecord>& records, const CellRange& range) {
    bool cleared = false;
    for (int column = range.left; column <= range.right; ++column) {
        for (int row = range.top; row <= range.bottom; ++row) {
            if (const int index = findCell(records, column, row); index > 0) {
                records[index] = ElementRecord{};
                cleared = true;
            }
        }
    }
    return cleared;
}

CellRange wholeColumns(int left, int right) {
    return {left, 1, right, kRowCount};
}

}  // namespace

StoryboardClipboard::StoryboardClipboard(Storyboard& storyboard, const LanguageFile& language)
    : storyboard_(storyboard), language_(language) {}

EditResult StoryboardClipboard::snapshotCopy(const CellRange& range, const QString& snapshotName) {
    const int page = storyboard_.page();
    if (page == 0) {
        return {lang::NoCurrentPage};
    }
    const QString act = storyboard_.actPath();
    storyboard_.closePage();
    const auto records = readRecords(act);
    const QString snapshot = QDir(storyboard_.workingDir()).filePath(snapshotName);
    const bool copied = records && copyFileAtomically(act, snapshot);
    storyboard_.openPage(page);
    if (!copied) {
        return {lang::PageFilesNotWritten};
    }
    snapshot_ = snapshot;
    entries_.clear();
    for (int column = range.left; column <= range.right; ++column) {
        for (int row = range.top; row <= range.bottom; ++row) {
            entries_.append(findCell(*records, column, row));
        }
    }
    return {};
}

EditResult StoryboardClipboard::copy(const CellRange& selection) {
    return snapshotCopy(selection, kCopyFile);
}

EditResult StoryboardClipboard::cut(const CellRange& selection) {
    if (const EditResult refusal = snapshotCopy(selection, kCutFile); refusal.message) {
        return refusal;
    }
    return deleteCells(selection);
}

EditResult StoryboardClipboard::insertColumn(const CellRange& selection) {
    if (selection.right >= kColumnCount) {
        return {kColumnReachesEnd};
    }
    const CellRange moved = wholeColumns(selection.left, kColumnCount - 1);
    return shiftColumns(moved, moved, wholeColumns(selection.left + 1, kColumnCount));
}

EditResult StoryboardClipboard::removeColumn(const CellRange& selection) {
    if (selection.left >= kColumnCount) {
        return {kNoColumnAfterLast};
    }
    return shiftColumns(wholeColumns(selection.left + 1, kColumnCount),
                        wholeColumns(selection.left, kColumnCount),
                        wholeColumns(selection.left, kColumnCount - 1));
}

EditResult StoryboardClipboard::shiftColumns(const CellRange& moved, const CellRange& cleared,
                                             const CellRange& destination) {
    if (const EditResult refusal = snapshotCopy(moved, kCutFile); refusal.message) {
        return refusal;
    }
    // Cleared and pasted in one rewrite, so that one undo puts the page back.
    return pasteFromSnapshot(cleared, destination, {});
}

EditResult StoryboardClipboard::paste(const CellRange& destination, PasteGroups groups) {
    if (entries_.isEmpty() || storyboard_.page() == 0) {
        return {};
    }
    return pasteFromSnapshot(std::nullopt, destination, groups);
}

EditResult StoryboardClipboard::pasteFromSnapshot(const std::optional<CellRange>& cleared,
                                                  const CellRange& destination,
                                                  PasteGroups groups) {
    const auto source = readRecords(snapshot_);
    if (!source) {
        return {snapshot_.endsWith(kCutFile) ? kCutFileMissing : kCopiedPageMissing};
    }
    bool complete = true;
    EditResult written = rewriteWithUndo([&](QList<ElementRecord>& records) {
        if (cleared) {
            clearCells(records, *cleared);
        }
        complete = pasteInto(records, *source, destination, groups);
        return true;
    });
    if (written.message == 0 && !complete) {
        written.message = kNotAllPasted;
    }
    return written;
}

bool StoryboardClipboard::pasteInto(QList<ElementRecord>& records,
                                    const QList<ElementRecord>& source,
                                    const CellRange& destination, PasteGroups groups) {
    bool complete = true;
    qsizetype next = 0;
    for (int column = destination.left; column <= destination.right; ++column) {
        for (int row = destination.top; row <= destination.bottom; ++row) {
            const int entry = entries_[next];
            next = (next + 1) % entries_.size();
            if (!isCell(column, row)) {
                complete = false;
            } else if (entry >= 0 && entry < source.size()) {
                const ElementRecord& from = source[entry];
                if (kindOfRow(row) != kindOfRow(from.Ligne)) {
                    complete = false;
                } else {
                    pasteCell(records, from, column, row, groups);
                }
            } else if (entry >= 0) {
                complete = false;  // a snapshot shorter than the copy: the page was changed
            }
        }
    }
    return complete;
}

void StoryboardClipboard::pasteCell(QList<ElementRecord>& records, const ElementRecord& from,
                                    int column, int row, PasteGroups groups) const {
    int index = findCell(records, column, row);
    if (index < 0) {
        // Nothing to paste settings onto without the file itself.
        if (!groups.file) {
            return;
        }
        // Fields outside the chosen groups start as a new element of the row.
        records.append(plainElement(language_, row, column, from.Fichier, QRect()));
        index = int(records.size() - 1);
    }
    ElementRecord& to = records[index];
    to.Ligne = row;
    to.Colonne = column;
    if (groups.file) {
        copyFileGroup(to, from);
        if (kindOfRow(row) == kindOfRow(50)) {
            to.Fichier = clickZoneName(language_, row);
        }
        storyboard_.setDefaultRect(row, QRect(to.Gauche, to.Haut, to.Largeur, to.Hauteur));
    }
    if (groups.effect) {
        copyEffectGroup(to, from);
    }
    if (groups.action) {
        copyActionGroup(to, from);
    }
}

EditResult StoryboardClipboard::deleteCells(const CellRange& range) {
    if (storyboard_.page() == 0) {
        return {lang::NoCurrentPage};
    }
    return rewriteWithUndo(
        [&](QList<ElementRecord>& records) { return clearCells(records, range); });
}

EditResult StoryboardClipboard::rewriteWithUndo(
    const std::function<bool(QList<ElementRecord>&)>& change) {
    const int page = storyboard_.page();
    const QString act = storyboard_.actPath();
    storyboard_.closePage();
    auto records = readRecords(act);
    bool ok =
        records.has_value() && copyFileAtomically(act, undoSnapshotPath(storyboard_.workingDir()));
    bool changed = false;
    if (ok && change(*records)) {
        ok = changed = writeRecords(act, *records);
    }
    storyboard_.clearCells();
    ok = storyboard_.openPage(page) && ok;
    ok = storyboard_.regenerate() && ok;
    return {ok ? 0 : lang::PageFilesNotWritten, changed};
}

EditResult StoryboardClipboard::undo() {
    const int page = storyboard_.page();
    const QString snapshot = undoSnapshotPath(storyboard_.workingDir());
    if (page == 0) {
        return {lang::NoCurrentPage};
    }
    if (!readRecords(snapshot)) {
        return {lang::NothingToUndo};
    }
    const QString act = storyboard_.actPath();
    storyboard_.closePage();
    const bool copied = copyFileAtomically(snapshot, act);
    storyboard_.clearCells();
    const bool reopened = storyboard_.openPage(page) && storyboard_.regenerate();
    QFile::remove(snapshot);
    return {copied && reopened ? 0 : lang::PageFilesNotWritten, copied};
}

}  // namespace ztv::editor
