#pragma once

#include "common/formats/ElementRecord.h"
#include "common/formats/LanguageFile.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace ztv::editor {

class Storyboard;

// A rectangle of storyboard cells: columns left to right, rows top to bottom (1-based).
struct CellRange {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int cellCount() const { return (right - left + 1) * (bottom - top + 1); }
};

// The field groups a paste copies: the file with its place and look, the effect and timing,
// the action. A plain paste copies all three.
struct PasteGroups {
    bool file = true;
    bool effect = true;
    bool action = true;
};

// What an edit did: the message line to show (0: none) and whether the page changed.
struct EditResult {
    int message = 0;
    bool changed = false;
};

// Copy, cut and paste of cell blocks within and between pages, deleting cells, inserting and
// removing a column, and the one level of undo, on the storyboard's page files. Every change
// rewrites the page's .ACT file through a temporary file, regenerates the page and leaves the
// previous .ACT in the undo snapshot. The caller shows the messages; widgets are the caller's.
class StoryboardClipboard {
  public:
    StoryboardClipboard(Storyboard& storyboard, const LanguageFile& language);

    // The copied cells come from a snapshot of their page taken at the copy, so that later
    // changes of that page cannot change what is pasted.
    EditResult copy(const CellRange& selection);
    EditResult cut(const CellRange& selection);
    // Shifts columns from the selection's left one step right (column 20's cells make way);
    // the selection's left column ends empty.
    EditResult insertColumn(const CellRange& selection);
    // Shifts the columns after the selection's left one step left; column 20 ends empty.
    EditResult removeColumn(const CellRange& selection);
    // Fills the destination with the copied block, repeated when the destination is larger;
    // cells outside the grid or of another kind are skipped (message 79).
    EditResult paste(const CellRange& destination, PasteGroups groups = {});
    EditResult deleteCells(const CellRange& range);
    // Puts back the page as it was before the last change; refused when there is no snapshot.
    EditResult undo();

    bool hasCopy() const { return !entries_.isEmpty(); }

  private:
    EditResult snapshotCopy(const CellRange& range, const QString& snapshotName);
    EditResult shiftColumns(const CellRange& moved, const CellRange& cleared,
                            const CellRange& destination);
    EditResult pasteFromSnapshot(const std::optional<CellRange>& cleared,
                                 const CellRange& destination, PasteGroups groups);
    EditResult rewriteWithUndo(const std::function<bool(QList<ElementRecord>&)>& change);
    bool pasteInto(QList<ElementRecord>& records, const QList<ElementRecord>& source,
                   const CellRange& destination, PasteGroups groups);
    void pasteCell(QList<ElementRecord>& records, const ElementRecord& from, int column, int row,
                   PasteGroups groups) const;

    Storyboard& storyboard_;
    const LanguageFile& language_;
    QString snapshot_;    // file the copied indexes refer to
    QList<int> entries_;  // record index per copied cell, -1 for an empty cell
};

}  // namespace ztv::editor
