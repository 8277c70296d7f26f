#pragma once

#include "common/formats/ElementRecord.h"
#include "common/platform/RecordFile.h"
#include "player/engine/ElementGrid.h"

#include <QRect>
#include <array>

namespace ztv {

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

    // Clicks and hover: the rectangle with its right and bottom edges.
    bool contains(QPoint p) const {
        return !rect.isNull() && p.x() >= rect.left() && p.x() <= rect.left() + rect.width() &&
               p.y() >= rect.top() && p.y() <= rect.top() + rect.height();
    }
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
    ElementGrid elements;
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
    // The action that runs at the end of the run (`Acte`: the row whose action it is; the
    // action runs without a click when `clickztv` is false).
    int Acte = 0;
    bool clickztv = true;
    int LigAct = 0, ColAct = 0;  // the record being shown
    bool EffetInverse = false;   // the next appearance runs its effect reversed
    bool GifOnly = false;        // only animated pictures still change
    int GifVitesse = 0;          // the longest frame delay of the page's animated pictures
    qint64 Heure = 0;            // engine clock (ms) of the last step check
    int NumEnregPano = -1;       // the page's panorama record
    // The target (page, column) of the last hover action: the same one never runs twice in a
    // row. Kept across pages.
    int lastHoverPage = 0, lastHoverColumn = 0;

    void clearTables();
};

}  // namespace ztv
