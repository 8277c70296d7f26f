// Page play: loading a page's run of columns, showing its columns one after the other, and the
// timer tick that steps the elements and keeps the pauses.
#include "common/formats/ElementKinds.h"
#include "common/formats/LangLines.h"
#include "player/elements/StepTiming.h"
#include "player/engine/PagePlayer.h"

#include <QFileInfo>
#include <QPainter>
#include <cmath>

namespace ztv {
namespace {

constexpr double kLongestPauseSeconds = 24 * 60 * 60;

// A pause that is negative or not a number waits nothing; none waits more than a day.
double sanePause(double seconds) {
    if (std::isnan(seconds) || seconds <= 0) {
        return 0;
    }
    return std::min(seconds, kLongestPauseSeconds);
}

qint64 pauseMs(double seconds) {
    return std::clamp<qint64>(std::llround(seconds * 1000), 1, qint64(kLongestPauseSeconds) * 1000);
}

bool isMediaKind(ElementKind kind) {
    return kind == ElementKind::Sound || kind == ElementKind::Video;
}

}  // namespace

std::optional<ElementRecord> PagePlayer::readRecord(qint64 index) {
    if (!pagePlay_.jou.isOpen()) {
        return std::nullopt;
    }
    const auto bytes = pagePlay_.jou.read(index);
    return bytes ? std::optional(decodePageRecord(*bytes)) : std::nullopt;
}

void PagePlayer::playPage() {
    loadPage(page_, 1);
    showColumn();
}

void PagePlayer::reloadPage() {
    timer_.stop();
    closeRun();
    pagePlay_.elements.freeAll();
    playPage();
}

bool PagePlayer::openPageFile() {
    PagePlayState& pp = pagePlay_;
    pp.jou.close();
    const QString host = session_.pageFileHost(page_);
    if (!host.isEmpty() && QFileInfo(host).isFile() &&
        pp.jou.open(host, RecordFile::Mode::ReadOnly)) {
        pp.jouIndex = 0;
        return true;
    }
    pp.fileClosed = true;
    tell(session_.message(lang::PageFileMissing));
    requestTermination();
    return false;
}

int PagePlayer::findLastColumn(int first) {
    if (!openPageFile()) {
        return -1;
    }
    // The previous load's elements go with their flags.
    pagePlay_.elements.freeAll();
    pagePlay_.clearTables();
    int result = first;
    for (qint64 i = 1;; ++i) {
        const auto record = readRecord(i);
        if (!record) {
            break;
        }
        if (record->isAbsent() || record->Colonne < first) {
            continue;
        }
        if (record->Colonne != result && record->Colonne != result + 1) {
            break;
        }
        result = record->Colonne;
    }
    return result;
}

void PagePlayer::loadPage(int page, int column) {
    PagePlayState& pp = pagePlay_;
    // The previous page's ticks end here: an animated picture kept them going, and a tick of
    // the new page before its column is shown would step elements that have not appeared.
    timer_.stop();
    showBusy(true);
    page_ = page;
    column = std::clamp(column, 1, kColumnCount);
    pp.ready = false;
    pp.runFinished = false;
    pp.busy = true;
    media_.clearSchedule();
    const int last = findLastColumn(column);
    if (last == -1) {
        pp.runFinished = true;  // nothing to show: the application is ending
        pp.busy = false;
        return;
    }
    if (session_.project().mediaByPage) {
        closeMediaDataFile();
        openMediaDataFile();
    }
    pp.fileClosed = false;
    pp.currentColumn = column;
    pp.lastColumn = last;
    QList<int> indexes;
    QList<ElementRecord> records;
    for (qint64 i = 1;; ++i) {
        const auto record = readRecord(i);
        if (!record) {
            break;
        }
        if (record->isAbsent()) {
            continue;
        }
        if (record->Colonne > last + 1) {
            break;
        }
        if (record->Colonne >= column) {
            indexes.append(int(i));
            records.append(*record);
        }
    }
    prefetchPictures(records);
    for (qsizetype i = 0; i < records.size(); ++i) {
        createElement(indexes[i], records[i]);
    }
    pictures_.clear();
    pp.jouIndex = 0;
    pp.rewindBeforeDisplay = pp.scanBeforeDisplay = true;
    pp.ready = true;
    pp.busy = false;
    closeMediaDataFile();
    media_.startScheduled();
}

// Pictures from files only: a media data file is read entry by entry, in page order.
void PagePlayer::prefetchPictures(const QList<ElementRecord>& records) {
    if (session_.project().mediaByPage) {
        return;
    }
    QStringList hostPaths;
    for (const QString& stored : prefetchablePictures(records)) {
        hostPaths.append(toHost(session_.mediaDrive() + stored));
    }
    pictures_.start(hostPaths);
}

// The element of the record's kind goes into its cell; a record that holds one of the kind's
// markers is not prepared.
void PagePlayer::createElement(int index, const ElementRecord& record) {
    std::unique_ptr<Element> element = factory_.make(kindOfRow(record.Ligne));
    if (!element) {
        return;
    }
    element->setRecord(index, record, geometry());
    ElementRoles roles = ElementRoles::of(*this);
    roles.cues = &media_;
    element->attach(roles);
    const int row = record.Ligne;
    const int col = record.Colonne;
    pagePlay_.elements.put(row, col, std::move(element));
    pagePlay_.elements.with(row, col, [](Element& el) {
        el.link();
        if (!el.skipsPreparation()) {
            el.prepare();
        }
    });
}

void PagePlayer::showColumn() {
    PagePlayState& pp = pagePlay_;
    if (pp.runFinished) {
        return;
    }
    showBusy(false);
    if (pp.rewindBeforeDisplay) {
        pp.jouIndex = 0;
        pp.rewindBeforeDisplay = false;
        pp.busy = false;
    }
    if (pp.scanBeforeDisplay) {
        scanCurrentColumn();
    }
    for (;;) {
        const qint64 index = pp.jouIndex;
        const auto record = readRecord(index);
        if (!record) {
            break;
        }
        if (record->isAbsent() || record->Colonne < pp.currentColumn) {
            ++pp.jouIndex;
            continue;
        }
        if (record->Colonne > pp.currentColumn) {
            break;  // left in place for the next column
        }
        ++pp.jouIndex;
        if (!showRecord(int(index), *record)) {
            emit canvasChanged();
            return;
        }
    }
    pp.pauseDone = false;
    startTick(1);
    emit canvasChanged();
}

void PagePlayer::scanCurrentColumn() {
    PagePlayState& pp = pagePlay_;
    pp.scanBeforeDisplay = false;
    pp.columnPause = 0;
    pp.pauseDone = false;
    pp.Acte = 0;
    pp.clickztv = true;
    for (RowState& row : pp.rows) {
        row.shown = false;
    }
    for (qint64 i = pp.jouIndex;; ++i) {
        const auto record = readRecord(i);
        if (!record || (!record->isAbsent() && record->Colonne > pp.currentColumn)) {
            break;
        }
        if (!record->isAbsent() && record->Colonne == pp.currentColumn) {
            pp.rows[record->Ligne].shown = true;
        }
    }
}

// False when the display of the column ends with this record.
bool PagePlayer::showRecord(int index, const ElementRecord& record) {
    PagePlayState& pp = pagePlay_;
    ElementRecord element = record;
    scaleToDisplay(element, geometry());
    const Action action = actionOf(element, language());
    pp.ColAct = element.Colonne;
    pp.LigAct = element.Ligne;
    RowState& row = pp.rows[pp.LigAct];
    row.rect = QRect(element.Gauche, element.Haut, element.Largeur, element.Hauteur);
    row.autoDisappear = element.disappearsAtChange();
    registerAction(index, element, action);
    if (!showElement(element, action)) {
        return false;
    }
    pp.EffetInverse = element.reversesNextEffect();
    return true;
}

// A row's hover look and hover action are registered whether or not it also has an action.
void PagePlayer::registerAction(int index, const ElementRecord& element, const Action& action) {
    PagePlayState& pp = pagePlay_;
    RowState& row = pp.rows[element.Ligne];
    if (action.isAction()) {
        row.actionRecord = index;
    }
    if (isMediaKind(kindOfRow(element.Ligne))) {
        row.hoverEnabled = row.hoverRestore = false;
        row.hoverColumn = row.hoverActionRecord = 0;
        return;
    }
    if (action.isAction() && element.actsWithoutClick()) {
        pp.clickztv = false;
        pp.Acte = element.Ligne;
    }
    if (!element.SurvolFichier.isEmpty()) {
        row.hoverEnabled = true;
        row.hoverColumn = element.Colonne;
        row.hoverRestore = row.hoverRestore || element.SurvolRetablir == 1;
    }
    if (element.SurvolAction != 0) {
        row.hoverEnabled = true;
        row.hoverActionRecord = index;
    }
}

// The cell's element appears or disappears; a click zone may act at once. False when the
// display of the column stops here.
bool PagePlayer::showElement(const ElementRecord& record, const Action& action) {
    PagePlayState& pp = pagePlay_;
    if (kindOfRow(record.Ligne) == ElementKind::ClickZone) {
        return action.isAction() && record.actsWithoutClick() ? actNow(record, action) : true;
    }
    bool goesOn = true;
    double pause = 0;
    pp.elements.with(record.Ligne, record.Colonne, [&](Element& el) {
        if (el.disappears()) {
            el.disappear();
        } else {
            goesOn = el.show();
        }
        pause = el.columnPause();
    });
    pp.columnPause = std::max(pp.columnPause, sanePause(pause));
    return goesOn;
}

// A click zone whose action runs without a click. Running a program waits for it and goes on
// with the column; every other action ends the column's display.
bool PagePlayer::actNow(const ElementRecord& zone, const Action& action) {
    if (action.kind != ActionKind::RunAndWait) {
        runRowAction(zone.Ligne);
        return false;
    }
    // A zone looks its program up from drive D:.
    const QString found = session_.locateFile(QStringLiteral("D:") + action.first);
    pagePlay_.busy = false;
    if (found == QStringLiteral("0")) {
        return false;
    }
    showBusy(false);
    actions_.waitForProgram(found, action.second);
    pagePlay_.clickztv = true;
    return true;
}

void PagePlayer::stepDueElements() {
    PagePlayState& pp = pagePlay_;
    pp.GifOnly = true;
    timer_.stop();
    if (pp.busy) {
        return;
    }
    bool stillAnimating = false;
    bool finishedPicture = false;
    if (!pp.pauseDone) {
        stepRows(stillAnimating, finishedPicture);
    }
    if (stillAnimating) {
        if (!pp.busy) {
            startTick(1);
        }
    } else if (finishedPicture && pp.currentColumn == pp.lastColumn && !pp.busy) {
        startTick(pp.GifOnly ? std::max(1, pp.GifVitesse) : 1);
    } else {
        if (!finishedPicture) {
            pp.GifOnly = false;
        }
        if (pp.columnPause == 0 || pp.pauseDone) {
            advanceColumn();
        } else {
            pp.pauseDone = true;
            startTick(pauseMs(pp.columnPause));
        }
    }
    emit canvasChanged();
}

// The timer fires at the first tick of the platform's pace at or after the wait.
void PagePlayer::startTick(qint64 waitMs) {
    timer_.start(int(steptiming::msToTick(clock().nowMs(), waitMs)));
}

// Steps the due elements of the visual rows shown in the current column. A row whose element
// is gone needs no more steps.
void PagePlayer::stepRows(bool& stillAnimating, bool& finishedPicture) {
    PagePlayState& pp = pagePlay_;
    const int col = pp.currentColumn;
    if (col < 1 || col > kColumnCount) {
        return;
    }
    for (int r = 1; r <= kRowCount && !pp.busy; ++r) {
        if (!pp.rows[r].shown || !factsOfRow(r).visual) {
            continue;
        }
        Element* element = pp.elements.at(r, col);
        if (element == nullptr) {
            pp.rows[r].shown = false;
            continue;
        }
        if (element->transitionFinished()) {
            finishedPicture = true;
        } else {
            stillAnimating = true;
            pp.GifOnly = false;
        }
        const qint64 now = clock().nowMs();
        pp.Heure = now;
        if (now >= pp.nextStep[r][col]) {
            pp.elements.with(r, col, [](Element& el) { el.step(); });
        }
    }
}

void PagePlayer::advanceColumn() {
    PagePlayState& pp = pagePlay_;
    ++pp.currentColumn;
    if (pp.currentColumn <= pp.lastColumn) {
        pp.scanBeforeDisplay = true;
        showColumn();
        return;
    }
    pp.jou.close();
    pp.fileClosed = true;
    pp.runFinished = true;
    showBusy(false);
    if (!pp.clickztv) {
        runRowAction(pp.Acte);
    }
}

void PagePlayer::closeRun() {
    PagePlayState& pp = pagePlay_;
    if (pp.runFinished) {
        return;
    }
    showBusy(true);
    pp.jou.close();
    pp.fileClosed = true;
    pp.runFinished = true;
    showBusy(false);
}

// The rows marked to disappear go back to the background; every element goes (a control hides
// itself first), and the media marked to go at a change go.
void PagePlayer::clearPage() {
    PagePlayState& pp = pagePlay_;
    {
        QPainter painter(&canvas_);
        for (int r = 1; r <= kRowCount; ++r) {
            if (factsOfRow(r).visual && pp.rows[r].autoDisappear) {
                painter.drawImage(pp.rows[r].rect.topLeft(), Fond, pp.rows[r].rect);
            }
        }
    }
    for (int r = 1; r <= kRowCount; ++r) {
        pp.nextStep[r].fill(0);
        for (int c = 1; c <= kColumnCount; ++c) {
            pp.elements.with(r, c, [](Element& el) { el.hide(); });
        }
    }
    pp.elements.freeAll();
    media_.atPageChange();
    emit canvasChanged();
}

void PagePlayer::runRowAction(int row) {
    if (row < 1 || row > kRowCount) {
        return;
    }
    closeRun();
    const auto record = readActionRecord(pagePlay_.rows[row].actionRecord);
    if (!record) {
        pagePlay_.busy = false;
        return;
    }
    pagePlay_.EffetInverse = record->reversesNextEffect();
    actions_.run(actionOf(*record, language()));
}

}  // namespace ztv
