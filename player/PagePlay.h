#pragma once

#include "common/ElementRecord.h"
#include "common/platform/RecordFile.h"
#include "player/elements/ZtvCaseImage.h"
#include "player/elements/ZtvCaseKinds.h"

#include <QRect>
#include <array>
#include <memory>

namespace ztv {

// One owning cell per column 1 to 20 (index 0 unused).
template <class T>
using ColumnCells = std::array<std::unique_ptr<T>, kColumnCount + 1>;

// The elements of the loaded columns, one owning table per kind, indexed by row and column.
// A cell that holds an element is the cell's present flag: an element that is freed leaves
// nothing behind that could still point at it.
struct PageElements {
    ColumnCells<TZtvCaseSon> sons;
    ColumnCells<TZtvCaseVideo> videos;
    std::array<ColumnCells<TZtvCaseImage>, 24> images;  // rows 3 to 23
    ColumnCells<TZTVCasePerso> persos;                  // row 24
    ColumnCells<TZtvCasePano> panos;                    // row 25
    std::array<ColumnCells<TZtvCaseAnim>, 30> anims;    // rows 26 to 29
    std::array<ColumnCells<TZtvCaseTexte>, 50> textes;  // rows 30 to 49
    ColumnCells<TZtvCaseMotCle> motcles;                // row 60
    ColumnCells<TZtvCaseLongTexte> longtextes;          // row 61

    // An element exists at (row 3..49, column), markers included.
    bool present(int row, int column) const;
    // Frees the elements of rows 3 to 49.
    void freeVisual();
    // Frees everything.
    void freeAll();
};

// Calls f on the cell's element, then frees it when it asked to be freed. An empty cell is
// left alone.
template <class T, class F>
void withCell(std::unique_ptr<T>& cell, F&& f) {
    if (!cell) {
        return;
    }
    f(*cell);
    if (cell && cell->liberationDemandee()) {
        cell.reset();
    }
}

// What the page-play state keeps per row 1 to 61.
struct RowState {
    QRect rect;
    bool autoDisappear = false;
    int actionRecord = 0;  // record index in the page file; 0 = none
    bool hoverEnabled = false;
    bool hoverRestore = false;
    bool hoverShown = false;
    int hoverColumn = 0;
    int hoverActionRecord = 0;
    bool shown = false;  // shown in the current column and still taking steps
};

// The state that page loading, column display and the timer tick share (one set, reused for
// every page).
struct PagePlayState {
    RecordFile jou{kPageRecordSize};
    qint64 jouIndex = 0;  // the next record to read
    bool fileClosed = true;
    bool runFinished = true;
    int currentColumn = 1;
    int lastColumn = 1;
    PageElements elements;
    std::array<RowState, kRowCount + 1> rows;
    // Engine clock times (ms) of each cell's next step; 0 = due.
    std::array<std::array<qint64, kColumnCount + 1>, kRowCount + 1> nextStep{};
    bool hoverShown = false;
    double columnPause = 0;  // seconds
    bool pauseDone = false;
    bool busy = false;
    bool ready = false;
    bool rewindBeforeDisplay = false;
    bool scanBeforeDisplay = false;

    void clearTables();
};

}  // namespace ztv
