// Clicks on the page and keywords chosen in a list: both end in an action.
#include "common/formats/ElementKinds.h"
#include "common/formats/KeywordTable.h"
#include "common/formats/LangLines.h"
#include "player/engine/ZTVImage.h"

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

void TZTVImage::mouseDown(QPoint point) {
    PagePlayState& pp = pagePlay_;
    if (!pp.ready || pp.busy) {
        return;
    }
    setBusyCursor(true);
    const ClickTarget target = clickTargetAt(point);
    if (target.row == 0) {
        pp.busy = false;
        setBusyCursor(!pp.runFinished);
        return;
    }
    // Busy before pending events run, so a double click never starts a second action inside
    // the first.
    pp.busy = true;
    QCoreApplication::processEvents();
    timer_.stop();
    DeChargerDessin();
    ClickDessin(target);
}

// Rows 2 to 61 in order: a later row replaces an earlier target, so the highest row wins.
TZTVImage::ClickTarget TZTVImage::clickTargetAt(QPoint point) const {
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

void TZTVImage::ClickDessin(const ClickTarget& target) {
    PagePlayState& pp = pagePlay_;
    if (kindOfRow(target.row) == ElementKind::Panorama) {
        for (int c = 1; c <= kColumnCount; ++c) {
            pp.elements.with(target.row, c,
                             [&target](Element& el) { el.scroll(target.direction); });
        }
        pp.busy = false;
        emit canvasChanged();
        return;
    }
    const auto record = target.record > 0 ? readActionRecord(target.record) : std::nullopt;
    if (!record) {
        pp.busy = false;
        return;
    }
    pp.EffetInverse = record->reversesNextEffect();
    timer_.setInterval(1);
    DemarrerAction(actionOf(*record, language_));
}

std::optional<ElementRecord> TZTVImage::readActionRecord(int index) const {
    const QString host = pageFileHost(Page);
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

void TZTVImage::ComboBox1Click(const QString& keyword) {
    for (const KeywordEntry& entry : keywordtable::readUsed(toHost(CheminMotCle))) {
        if (entry.keyword != keyword) {
            continue;
        }
        const bool withColumn = !entry.column.isEmpty();
        PagePlayState& pp = pagePlay_;
        pp.EffetInverse = false;
        pp.busy = true;
        timer_.stop();
        DeChargerDessin();
        DemarrerAction({withColumn ? ActionKind::GoToPageAndColumn : ActionKind::GoToPage,
                        entry.page, entry.column});
        return;
    }
}

}  // namespace ztv
