// Page play: loading a page's run of columns, showing its columns one after the other, and the
// timer tick that steps the elements and keeps the pauses.
#include "common/LangLines.h"
#include "player/ZTVImage.h"

#include <QFileInfo>
#include <QPainter>
#include <cmath>

namespace ztv {
namespace {

const QString kOui = QStringLiteral("oui");
const QString kNon = QStringLiteral("non");
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

template <class T>
std::unique_ptr<T>& newCell(std::unique_ptr<T>& cell, int index, const ElementRecord& record,
                            const DisplayGeometry& geometry) {
    cell = std::make_unique<T>();
    cell->ChargerEnreg(index, record, geometry);
    return cell;
}

}  // namespace

bool TZTVImage::isLine(const QString& text, int line) const {
    const QString lineText = Showmess(line);
    return !lineText.isEmpty() && text == lineText;
}

void TZTVImage::setNextStep(int row, int column, qint64 timeMs) {
    if (row >= 1 && row <= kRowCount && column >= 1 && column <= kColumnCount) {
        pagePlay_.nextStep[row][column] = timeMs;
    }
}

void TZTVImage::setRowShown(int row, bool shown) {
    if (row >= 1 && row <= kRowCount) {
        pagePlay_.rows[row].shown = shown;
    }
}

void TZTVImage::setBusyCursor(bool busy) {
    emit cursorChanged(busy ? busyCursor : QCursor(Qt::ArrowCursor));
}

void TZTVImage::requestTermination() {
    terminationRequested_ = true;
    timer_.stop();
    emit terminateRequested();
}

std::optional<ElementRecord> TZTVImage::readRecord(qint64 index) {
    if (!pagePlay_.jou.isOpen()) {
        return std::nullopt;
    }
    const auto bytes = pagePlay_.jou.read(index);
    return bytes ? std::optional(decodePageRecord(*bytes)) : std::nullopt;
}

void TZTVImage::JouerPage() {
    ChargerPage(Page, 1);
    ChargerDessin();
}

void TZTVImage::RechargerPage() {
    timer_.stop();
    DeChargerDessin();
    pagePlay_.elements.freeAll();
    JouerPage();
}

bool TZTVImage::OuvrirJou() {
    PagePlayState& pp = pagePlay_;
    pp.jou.close();
    const QString host =
        toHost(playbackDirectory() + u'\\' + QString::number(Page) + QStringLiteral(".JOU"));
    if (!host.isEmpty() && QFileInfo(host).isFile() &&
        pp.jou.open(host, RecordFile::Mode::ReadOnly)) {
        pp.jouIndex = 0;
        return true;
    }
    pp.fileClosed = true;
    tell(Showmess(lang::PageFileMissing));
    requestTermination();
    return false;
}

int TZTVImage::RechDerniereColonne(int first) {
    if (!OuvrirJou()) {
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

void TZTVImage::ChargerPage(int page, int column) {
    PagePlayState& pp = pagePlay_;
    setBusyCursor(true);
    Page = page;
    column = std::clamp(column, 1, kColumnCount);
    pp.ready = false;
    pp.runFinished = false;
    pp.busy = true;
    VideoFutur = SonFutur = SonPersoFutur = false;
    FicVideoFutur.clear();
    FicSonFutur.clear();
    FicSonPersoFutur.clear();
    const int last = RechDerniereColonne(column);
    if (last == -1) {
        pp.runFinished = true;  // nothing to show: the application is ending
        pp.busy = false;
        return;
    }
    if (mediaByPage) {
        FermerCDS();
        OuvrirCDS();
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
    FermerCDS();
    // Media playback arrives with its feature: what the load scheduled (SonFutur, VideoFutur)
    // is started here then.
}

// Pictures from files only: a media data file is read entry by entry, in page order.
void TZTVImage::prefetchPictures(const QList<ElementRecord>& records) {
    if (mediaByPage) {
        return;
    }
    QStringList hostPaths;
    for (const QString& stored : prefetchablePictures(records)) {
        hostPaths.append(toHost(mediaDrive + stored));
    }
    pictures_.start(hostPaths);
}

void TZTVImage::createElement(int index, const ElementRecord& record) {
    PageElements& e = pagePlay_.elements;
    const int row = record.Ligne;
    const int col = record.Colonne;
    const bool gone = isLine(record.Fichier, lang::MarkerDisappear);
    const bool backgroundGone = isLine(record.Fichier, lang::MarkerBackgroundDisappear);
    const bool hidden = gone || backgroundGone;
    const bool byPage = mediaByPage;
    if (row == 1) {
        auto& cell = newCell(e.sons[col], index, record, geometry_);
        cell->Lier(*this);
        if (!isLine(record.Fichier, lang::MarkerSoundStop)) {
            cell->Preparer(*this);
        }
    } else if (row == 2) {
        auto& cell = newCell(e.videos[col], index, record, geometry_);
        cell->Lier(*this);
        if (!gone) {
            cell->Preparer(*this);
        }
    } else if (row >= 3 && row <= 23) {
        auto& cell = newCell(e.images[row][col], index, record, geometry_);
        if (!hidden) {
            cell->Preparer(*this, byPage);
        }
    } else if (row == 24) {
        mediaDrive = QStringLiteral("C:");
        auto& cell = newCell(e.persos[col], index, record, geometry_);
        if (!hidden) {
            cell->Preparer(*this, byPage);
        }
    } else if (row == 25) {
        mediaDrive = QStringLiteral("C:");
        auto& cell = newCell(e.panos[col], index, record, geometry_);
        if (!gone) {
            cell->Preparer(*this, record.style.toInt(), record.Destin2.toInt());
        }
    } else if (row >= 26 && row <= 29) {
        mediaDrive = QStringLiteral("C:");
        auto& cell = newCell(e.anims[row][col], index, record, geometry_);
        if (!gone) {
            cell->Preparer(*this, byPage);
        }
    } else if (row >= 30 && row <= 49) {
        auto& cell = newCell(e.textes[row][col], index, record, geometry_);
        if (!hidden) {
            cell->Preparer(*this, byPage);
        }
    } else if (row == 60) {
        auto& cell = newCell(e.motcles[col], index, record, geometry_);
        if (!hidden) {
            cell->Preparer(*this);
        }
    } else if (row == 61) {
        auto& cell = newCell(e.longtextes[col], index, record, geometry_);
        if (!hidden) {
            cell->Preparer(*this);
        }
    }
}

void TZTVImage::ChargerDessin() {
    PagePlayState& pp = pagePlay_;
    if (pp.runFinished) {
        return;
    }
    setBusyCursor(false);
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
    timer_.start(1);
    emit canvasChanged();
}

void TZTVImage::scanCurrentColumn() {
    PagePlayState& pp = pagePlay_;
    pp.scanBeforeDisplay = false;
    pp.columnPause = 0;
    pp.pauseDone = false;
    Acte = Showmess(lang::ActionNone);
    clickztv = kOui;
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
bool TZTVImage::showRecord(int index, const ElementRecord& record) {
    TZtvCase element;
    element.ChargerEnreg(index, record, geometry_);
    ColAct = element.Colonne;
    LigAct = element.Ligne;
    RowState& row = pagePlay_.rows[LigAct];
    row.rect = QRect(element.Gauche, element.Haut, element.Largeur, element.Hauteur);
    row.autoDisappear = element.DisparAuto == kOui;
    registerAction(index, element);
    if (!showElement(element)) {
        return false;
    }
    EffetInverse = element.Inverse == kOui;
    return true;
}

// An empty `Acte` is no action, like the text of line 280.
void TZTVImage::registerAction(int index, const TZtvCase& element) {
    if (element.Acte.isEmpty() || isLine(element.Acte, lang::ActionNone)) {
        return;
    }
    RowState& row = pagePlay_.rows[element.Ligne];
    row.actionRecord = index;
    if (element.Ligne <= 2) {
        row.hoverEnabled = row.hoverRestore = false;
        row.hoverColumn = row.hoverActionRecord = 0;
        return;
    }
    if (element.Click == kNon) {
        clickztv = kNon;
        Acte = QString::number(element.Ligne);
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

bool TZTVImage::showElement(const TZtvCase& element) {
    PageElements& e = pagePlay_.elements;
    const int row = element.Ligne;
    const int col = element.Colonne;
    const bool gone = isLine(element.Fichier, lang::MarkerDisappear);
    const bool backgroundGone = isLine(element.Fichier, lang::MarkerBackgroundDisappear);
    const auto takePause = [this, &element] {
        pagePlay_.columnPause = std::max(pagePlay_.columnPause, sanePause(element.Attente));
    };
    const auto showOrErase = [this](auto& cell, bool erase) {
        withCell(cell, [this, erase](auto& el) {
            if (erase) {
                el.Effacer(*this);
            } else {
                el.Afficher();
            }
        });
    };
    if (row == 1 || row == 2) {
        const bool stop = row == 1 ? isLine(element.Fichier, lang::MarkerSoundStop) : gone;
        const int waitLine = row == 1 ? lang::SoundPlayAndWait : lang::VideoPlayAndWait;
        bool playing = false;
        const auto run = [&](auto& cell) {
            withCell(cell, [&](auto& el) {
                if (stop) {
                    el.Effacer(*this);
                } else {
                    playing = el.Afficher();
                }
            });
        };
        row == 1 ? run(e.sons[col]) : run(e.videos[col]);
        // The column resumes when the medium ends.
        return !(playing && isLine(element.sensdegra, waitLine));
    }
    if (row >= 3 && row <= 23) {
        showOrErase(e.images[row][col], gone || backgroundGone);
        takePause();
    } else if (row == 24) {
        showOrErase(e.persos[col], gone || backgroundGone);
    } else if (row == 25) {
        showOrErase(e.panos[col], gone);
    } else if (row >= 26 && row <= 29) {
        showOrErase(e.anims[row][col], gone);
    } else if (row >= 30 && row <= 49) {
        showOrErase(e.textes[row][col], gone);
        takePause();
    } else if (row >= 50 && row <= 59) {
        const bool action = !element.Acte.isEmpty() && !isLine(element.Acte, lang::ActionNone);
        if (action && element.Click == kNon) {
            AllerDirectJoudata(row);
            return false;
        }
    } else if (row == 60) {
        withCell(e.motcles[col], [](auto& el) { el.Afficher(); });
    } else if (row == 61) {
        withCell(e.longtextes[col], [](auto& el) { el.Afficher(); });
    }
    return true;
}

void TZTVImage::TimerTimer() {
    PagePlayState& pp = pagePlay_;
    GifOnly = true;
    timer_.stop();
    timer_.setInterval(1);
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
            timer_.start(1);
        }
    } else if (finishedPicture && pp.currentColumn == pp.lastColumn && !pp.busy) {
        if (GifOnly) {
            timer_.setInterval(std::max(1, GifVitesse));
        }
        timer_.start();
    } else {
        if (!finishedPicture) {
            GifOnly = false;
        }
        if (pp.columnPause == 0 || pp.pauseDone) {
            advanceColumn();
        } else {
            pp.pauseDone = true;
            timer_.start(int(pauseMs(pp.columnPause)));
        }
    }
    emit canvasChanged();
}

// Steps the due elements of the rows shown in the current column. A row whose element is gone
// needs no more steps.
void TZTVImage::stepRows(bool& stillAnimating, bool& finishedPicture) {
    PagePlayState& pp = pagePlay_;
    PageElements& e = pagePlay_.elements;
    const int col = pp.currentColumn;
    if (col < 1 || col > kColumnCount) {
        return;
    }
    for (int r = 3; r <= 49 && !pp.busy; ++r) {
        if (!pp.rows[r].shown) {
            continue;
        }
        if (!e.present(r, col)) {
            pp.rows[r].shown = false;
            continue;
        }
        const qint64 now = clock().nowMs();
        Heure = now;
        const bool due = now >= pp.nextStep[r][col];
        const auto step = [due](auto& cell) {
            if (due) {
                withCell(cell, [](auto& el) { el.Avancer(); });
            }
        };
        if (r <= 23) {
            if (e.images[r][col]->transitionFinie()) {
                finishedPicture = true;
            } else {
                stillAnimating = true;
                GifOnly = false;
            }
            step(e.images[r][col]);
            continue;
        }
        GifOnly = false;
        stillAnimating = true;
        if (r == 24) {
            step(e.persos[col]);
        } else if (r == 25) {
            step(e.panos[col]);
        } else if (r <= 29) {
            step(e.anims[r][col]);
        } else {
            step(e.textes[r][col]);
        }
    }
}

void TZTVImage::advanceColumn() {
    PagePlayState& pp = pagePlay_;
    ++pp.currentColumn;
    if (pp.currentColumn <= pp.lastColumn) {
        pp.scanBeforeDisplay = true;
        ChargerDessin();
        return;
    }
    pp.jou.close();
    pp.fileClosed = true;
    pp.runFinished = true;
    setBusyCursor(false);
    if (clickztv == kNon) {
        AllerDirectJoudata(Acte.toInt());
    }
}

void TZTVImage::DeChargerDessin() {
    PagePlayState& pp = pagePlay_;
    if (pp.runFinished) {
        return;
    }
    setBusyCursor(true);
    pp.jou.close();
    pp.fileClosed = true;
    pp.runFinished = true;
    setBusyCursor(false);
}

void TZTVImage::DisparitionAuto() {
    PagePlayState& pp = pagePlay_;
    {
        QPainter painter(&canvas_);
        for (int r = 3; r <= 49; ++r) {
            if (pp.rows[r].autoDisappear) {
                painter.drawImage(pp.rows[r].rect.topLeft(), Fond, pp.rows[r].rect);
            }
        }
    }
    pp.elements.freeVisual();
    for (int r = 3; r <= 49; ++r) {
        pp.nextStep[r].fill(0);
    }
    // The media marked to stop at a change join here with media playback. The keyword lists
    // and long texts have no control of their own yet: freeing them hides them.
    for (auto& cell : pp.elements.motcles) {
        withCell(cell, [](auto& el) { el.Cacher(); });
        cell.reset();
    }
    for (auto& cell : pp.elements.longtextes) {
        withCell(cell, [](auto& el) { el.Cacher(); });
        cell.reset();
    }
    emit canvasChanged();
}

void TZTVImage::AllerDirectJoudata(int row) {
    if (row < 1 || row > kRowCount) {
        return;
    }
    DeChargerDessin();
    const int index = pagePlay_.rows[row].actionRecord;
    if (!OuvrirJou()) {
        return;
    }
    const auto record = readRecord(index);
    pagePlay_.jou.close();
    pagePlay_.fileClosed = true;
    if (!record || index <= 0) {
        pagePlay_.busy = false;
        return;
    }
    EffetInverse = record->Inverse == kOui;
    DemarrerAction(record->Acte, record->Destination, record->Destin2);
}

void TZTVImage::DemarrerAction(const QString& acte, const QString& p1, const QString& p2) {
    const auto number = [this](const QString& text) -> std::optional<int> {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        if (!ok) {
            tell(Showmess(lang::PageNumberNotANumber) + u' ' + text);
            pagePlay_.busy = false;
            return std::nullopt;
        }
        return value;
    };
    const bool toPage = isLine(acte, lang::ActionGoToPage);
    const bool toColumn = isLine(acte, lang::ActionGoToColumn);
    const bool toPageAndColumn = isLine(acte, lang::ActionGoToPageAndColumn);
    if (toPage || toColumn || toPageAndColumn) {
        const auto first = number(p1);
        const auto second = toPageAndColumn ? number(p2) : std::optional<int>(1);
        if (!first || !second) {
            return;
        }
        DisparitionAuto();
        const int page = toColumn ? Page : *first;
        ChargerPage(page, toColumn ? *first : *second);
        ChargerDessin();
        return;
    }
    if (isLine(acte, lang::ActionQuit)) {
        pagePlay_.busy = false;
        emit quitRequested();
        return;
    }
    pagePlay_.busy = false;
    EffetInverse = false;
}

bool TZTVImage::OuvrirCDS() {
    const QString found =
        ExistenceFichier(mediaDataFolder + u'\\' + QString::number(Page) + QStringLiteral(".CDS"));
    if (found == QStringLiteral("0")) {
        return false;
    }
    mediaData_.setFileName(toHost(found));
    return mediaData_.open(QIODevice::ReadOnly);
}

void TZTVImage::FermerCDS() {
    mediaData_.close();
}

QString TZTVImage::mediaPlaybackPath(const QString& stored, MediaKind kind) const {
    MediaPacking packing;
    packing.mediaByPage = mediaByPage;
    packing.packageMode = packedProject;
    packing.mediaInPackage = mediaInPackage;
    packing.chemin = Chemin;
    packing.playbackDirectory = playbackDirectory();
    packing.playerFolder = playerFolder_;
    return ztv::mediaPlaybackPath(stored, kind, packing);
}

void TZTVImage::Terminer() {
    timer_.stop();
    pagePlay_.jou.close();
    pagePlay_.fileClosed = true;
    pagePlay_.runFinished = true;
    pagePlay_.ready = false;
    FermerCDS();
    pagePlay_.elements.freeAll();
}

}  // namespace ztv
