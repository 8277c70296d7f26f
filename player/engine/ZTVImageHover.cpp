// Hover: the mouse over a row with a hover look shows it, rows that restore their look on
// leaving switch back, a hover action runs once per target, and the cursor shows what a click
// would do.
#include "common/formats/ElementKinds.h"
#include "common/formats/LangLines.h"
#include "player/engine/ZTVImage.h"

namespace ztv {

void TZTVImage::hoverAt(QPoint point) {
    PagePlayState& pp = pagePlay_;
    if (!pp.ready) {
        return;
    }
    // Hover looks change only once the column's transitions are done.
    const bool settled = pp.runFinished || pp.GifOnly;
    if (settled && pp.hoverShown) {
        leaveHoverRows(point);
    }
    bool hand = false;
    for (int r = 1; r <= kRowCount && !hand; ++r) {
        RowState& row = pp.rows[r];
        if (!row.contains(point)) {
            continue;
        }
        if (kindOfRow(r) == ElementKind::Panorama) {
            hand = true;
            break;
        }
        if (row.hoverEnabled && settled && !row.hoverShown) {
            if (row.hoverColumn != 0 && factsOfRow(r).hoverLook) {
                showHover(r, true);
                row.hoverShown = true;
                pp.hoverShown = pp.hoverShown || row.hoverRestore;
            }
            if (row.hoverActionRecord != 0 && runHoverAction(r)) {
                return;
            }
        }
        hand = row.actionRecord != 0;
    }
    showCursor(hand ? CursorShape::Hand : CursorShape::Arrow);
}

// False when the hover action is the one that ran last: nothing changes then, so animated
// pictures keep their timer.
bool TZTVImage::runHoverAction(int row) {
    PagePlayState& pp = pagePlay_;
    const auto record = readActionRecord(pp.rows[row].hoverActionRecord);
    if (!record ||
        (record->SurvolPage == pp.lastHoverPage && record->SurvolColonne == pp.lastHoverColumn)) {
        return false;
    }
    if (pp.GifOnly && !pp.runFinished) {
        pp.GifOnly = false;
        DeChargerDessin();
    }
    timer_.stop();
    timer_.setInterval(1);
    pp.rows[row].hoverShown = false;
    pp.hoverShown = false;
    pp.lastHoverPage = record->SurvolPage;
    pp.lastHoverColumn = record->SurvolColonne;
    DemarrerAction({ActionKind::GoToPageAndColumn, QString::number(record->SurvolPage),
                    QString::number(record->SurvolColonne)});
    return true;
}

void TZTVImage::leaveHoverRows(QPoint point) {
    PagePlayState& pp = pagePlay_;
    bool stillInside = false;
    for (int r = 1; r <= kRowCount; ++r) {
        RowState& row = pp.rows[r];
        if (!factsOfRow(r).hoverLook || !row.hoverShown || !row.hoverRestore) {
            continue;
        }
        if (row.contains(point)) {
            stillInside = true;
            continue;
        }
        row.hoverShown = false;
        showHover(r, false);
    }
    pp.hoverShown = stillInside;
}

void TZTVImage::showHover(int row, bool on) {
    const int column = pagePlay_.rows[row].hoverColumn;
    if (column < 1 || column > kColumnCount) {
        return;
    }
    pagePlay_.elements.with(row, column, [on](Element& el) { el.hover(on); });
    emit canvasChanged();
}

}  // namespace ztv
