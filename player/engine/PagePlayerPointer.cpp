// Clicks on the page and keywords chosen in a list: both end in an action. Hover: the mouse
// over a row with a hover look shows it, rows that restore their look on leaving switch back,
// a hover action runs once per target, and the cursor shows what a click would do.
#include "common/formats/ElementKinds.h"
#include "common/formats/KeywordTable.h"
#include "player/engine/PagePlayer.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ztv {
namespace {

// The quarter of the panorama the point is in: its top and bottom quarters scroll up and down,
// the rest left or right of the middle.
int panoramaDirection(const QRect& r, QPoint p) {
    if (p.y() <= r.top() + r.height() / 4) {
        return 2;
    }
    if (p.y() >= r.top() + r.height() * 3 / 4) {
        return 3;
    }
    return p.x() > r.left() + r.width() / 2 ? 1 : 0;
}

}  // namespace

void PagePlayer::mouseDown(QPoint point) {
    PagePlayState& pp = pagePlay_;
    if (!pp.ready || pp.busy) {
        return;
    }
    showBusy(true);
    const ClickTarget target = clickTargetAt(point);
    if (target.row == 0) {
        pp.busy = false;
        showBusy(!pp.runFinished);
        return;
    }
    // Busy before pending events run, so a double click never starts a second action inside
    // the first.
    pp.busy = true;
    QCoreApplication::processEvents();
    timer_.stop();
    if (kindOfRow(target.row) == ElementKind::Panorama) {
        scrollPanorama(target);
        return;
    }
    closeRun();
    clickOn(target);
}

// A scroll is no action: the run the click came in goes on where it was.
void PagePlayer::scrollPanorama(const ClickTarget& target) {
    PagePlayState& pp = pagePlay_;
    for (int c = 1; c <= kColumnCount; ++c) {
        pp.elements.with(target.row, c, [&target](Element& el) { el.scroll(target.direction); });
    }
    pp.busy = false;
    showBusy(!pp.runFinished);
    if (!pp.runFinished) {
        startTick(1);
    }
    emit canvasChanged();
}

void PagePlayer::moveRow(int row, QPoint topLeft) {
    if (row >= 1 && row <= kRowCount) {
        pagePlay_.rows[row].rect.moveTopLeft(topLeft);
    }
}

// Rows 2 to 61 in order: a later row replaces an earlier target, so the highest row wins.
PagePlayer::ClickTarget PagePlayer::clickTargetAt(QPoint point) const {
    ClickTarget target;
    for (int r = 2; r <= kRowCount; ++r) {
        const RowState& row = pagePlay_.rows[r];
        if (!row.contains(point)) {
            continue;
        }
        if (row.actionRecord > 0) {
            target = {r, row.actionRecord, 0};
        }
        if (kindOfRow(r) == ElementKind::Panorama) {
            target = {r, row.actionRecord, panoramaDirection(row.rect, point)};
        }
    }
    return target;
}

void PagePlayer::clickOn(const ClickTarget& target) {
    PagePlayState& pp = pagePlay_;
    const auto record = target.record > 0 ? readActionRecord(target.record) : std::nullopt;
    if (!record) {
        pp.busy = false;
        return;
    }
    pp.EffetInverse = record->reversesNextEffect();
    timer_.setInterval(1);
    actions_.run(actionOf(*record, language()));
}

std::optional<ElementRecord> PagePlayer::readActionRecord(int index) {
    const QString host = session_.pageFileHost(page_);
    RecordFile file(kPageRecordSize);
    if (index <= 0 || host.isEmpty() || !QFileInfo(host).isFile() ||
        !file.open(host, RecordFile::Mode::ReadOnly)) {
        return std::nullopt;
    }
    const auto bytes = file.read(index);
    if (!bytes) {
        return std::nullopt;
    }
    const ElementRecord record = decodePageRecord(*bytes);
    return record.isAbsent() ? std::nullopt : std::optional(record);
}

void PagePlayer::keywordChosen(const QString& keyword) {
    for (const KeywordEntry& entry :
         keywordtable::readUsed(toHost(session_.project().CheminMotCle))) {
        if (entry.keyword != keyword) {
            continue;
        }
        const bool withColumn = !entry.column.isEmpty();
        PagePlayState& pp = pagePlay_;
        pp.EffetInverse = false;
        pp.busy = true;
        timer_.stop();
        closeRun();
        actions_.run({withColumn ? ActionKind::GoToPageAndColumn : ActionKind::GoToPage, entry.page,
                      entry.column});
        return;
    }
}

void PagePlayer::hoverAt(QPoint point) {
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
bool PagePlayer::runHoverAction(int row) {
    PagePlayState& pp = pagePlay_;
    const auto record = readActionRecord(pp.rows[row].hoverActionRecord);
    if (!record ||
        (record->SurvolPage == pp.lastHoverPage && record->SurvolColonne == pp.lastHoverColumn)) {
        return false;
    }
    if (pp.GifOnly && !pp.runFinished) {
        pp.GifOnly = false;
        closeRun();
    }
    timer_.stop();
    timer_.setInterval(1);
    pp.rows[row].hoverShown = false;
    pp.hoverShown = false;
    pp.lastHoverPage = record->SurvolPage;
    pp.lastHoverColumn = record->SurvolColonne;
    actions_.run({ActionKind::GoToPageAndColumn, QString::number(record->SurvolPage),
                  QString::number(record->SurvolColonne)});
    return true;
}

void PagePlayer::leaveHoverRows(QPoint point) {
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

void PagePlayer::showHover(int row, bool on) {
    const int column = pagePlay_.rows[row].hoverColumn;
    if (column < 1 || column > kColumnCount) {
        return;
    }
    pagePlay_.elements.with(row, column, [on](Element& el) { el.hover(on); });
    emit canvasChanged();
}

}  // namespace ztv
