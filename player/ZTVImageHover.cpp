// Hover: the mouse over a row with a hover look shows it; rows that restore their look on
// leaving switch back when the mouse has left them.
#include "common/ElementKinds.h"
#include "player/ZTVImage.h"

namespace ztv {
namespace {

// Row rectangles include their right and bottom edges.
bool inRow(const QRect& rect, QPoint p) {
    return !rect.isNull() && p.x() >= rect.left() && p.x() <= rect.left() + rect.width() &&
           p.y() >= rect.top() && p.y() <= rect.top() + rect.height();
}

}  // namespace

void TZTVImage::hoverAt(QPoint point) {
    PagePlayState& pp = pagePlay_;
    if (!pp.ready) {
        return;
    }
    // Hover looks change only once the column's transitions are done.
    const bool settled = pp.runFinished || pp.GifOnly;
    if (!settled) {
        return;
    }
    if (pp.hoverShown) {
        leaveHoverRows(point);
    }
    for (int r = 1; r <= kRowCount; ++r) {
        RowState& row = pp.rows[r];
        if (!factsOfRow(r).hoverLook || !inRow(row.rect, point) || !row.hoverEnabled ||
            row.hoverShown || row.hoverColumn == 0) {
            continue;
        }
        showHover(r, true);
        row.hoverShown = true;
        pp.hoverShown = pp.hoverShown || row.hoverRestore;
    }
}

void TZTVImage::leaveHoverRows(QPoint point) {
    PagePlayState& pp = pagePlay_;
    bool stillInside = false;
    for (int r = 1; r <= kRowCount; ++r) {
        RowState& row = pp.rows[r];
        if (!factsOfRow(r).hoverLook || !row.hoverShown || !row.hoverRestore) {
            continue;
        }
        if (inRow(row.rect, point)) {
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
    pagePlay_.elements.with(row, column, [on](TZtvCase& el) { el.Survoler(on); });
    emit canvasChanged();
}

}  // namespace ztv
