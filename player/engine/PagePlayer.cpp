#include "player/engine/PagePlayer.h"

#include <QPainter>

namespace ztv {

PagePlayer::PagePlayer(const PlayerEnvironment& env, ProjectSession& session, QObject* parent)
    : QObject(parent),
      env_(env),
      session_(session),
      transitions_(session.language(), env.prompter),
      media_(env.media ? env.media : unavailableMediaService(), *this, *this,
             {[this](int row) { runRowAction(row); }, [this] { showColumn(); },
              [this] { emit videoChanged(); }}),
      actions_(*this, session, env) {
    Q_ASSERT(env_.prompter && env_.clock);
    timer_.setInterval(1);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PagePlayer::stepDueElements);
}

void PagePlayer::prepareDisplay() {
    page_ = session_.startPage();
    if (const auto area = session_.pageArea()) {
        transitions_.setPageArea(*area);
    }
    placeWindow();
    prepareBackground();
    resetProperties();
    timer_.stop();
    emit canvasChanged();
}

void PagePlayer::placeWindow() {
    const ProjectState& project = session_.project();
    if (project.ProjetStretch || project.ProjetCache) {
        windowRect_ = QRect(0, 0, project.screenWidth, project.screenHeight);
    } else {
        windowRect_ = QRect((project.screenWidth - project.projectWidth) / 2,
                            (project.screenHeight - project.projectHeight) / 2,
                            project.projectWidth, project.projectHeight);
    }
    emit windowPlaced(windowRect_);
}

void PagePlayer::prepareBackground() {
    const ProjectState& project = session_.project();
    canvas_ = QImage(windowRect_.size(), QImage::Format_RGB32);
    QImage screen;
    if (project.transparentProject && env_.grabScreen) {
        screen = env_.grabScreen(windowRect_);
    }
    if (screen.isNull()) {
        canvas_.fill(project.CouleurCache);
    } else {
        QPainter painter(&canvas_);
        painter.fillRect(canvas_.rect(), project.CouleurCache);
        painter.drawImage(QPoint(0, 0), screen);
    }
    Fond = canvas_.copy();
}

void PagePlayer::resetProperties() {
    PagePlayState& pp = pagePlay_;
    pp.Acte = 0;
    pp.clickztv = true;
    pp.EffetInverse = false;
    pp.LigAct = pp.ColAct = 0;
    pp.GifOnly = false;
    pp.GifVitesse = 0;
    pp.Heure = env_.clock->nowMs();
    pp.NumEnregPano = -1;
    media_.reset(env_.soundCard);
}

void PagePlayer::stop() {
    timer_.stop();
    pagePlay_.jou.close();
    pagePlay_.fileClosed = true;
    pagePlay_.runFinished = true;
    pagePlay_.ready = false;
    closeMediaDataFile();
    media_.Terminer();
    pagePlay_.elements.freeAll();
}

void PagePlayer::showEndScreen(const QImage& endPicture) {
    if (endPicture.isNull() || canvas_.isNull()) {
        return;
    }
    canvas_.fill(Qt::white);
    endPictureRect_ = QRect(QPoint((canvas_.width() - endPicture.width()) / 2,
                                   (canvas_.height() - endPicture.height()) / 2),
                            endPicture.size());
    QPainter(&canvas_).drawImage(endPictureRect_.topLeft(), endPicture);
    emit canvasChanged();
}

void PagePlayer::showBusy(bool busy) {
    showCursor(busy ? CursorShape::Busy : CursorShape::Arrow);
}

void PagePlayer::showCursor(CursorShape shape) {
    if (shownCursor_ == shape) {
        return;
    }
    shownCursor_ = shape;
    switch (shape) {
        case CursorShape::Busy:
            emit cursorChanged(busyCursor_);
            return;
        case CursorShape::Hand:
            emit cursorChanged(handCursor_);
            return;
        case CursorShape::Arrow:
            emit cursorChanged(QCursor(Qt::ArrowCursor));
            return;
    }
}

void PagePlayer::requestTermination() {
    terminationRequested_ = true;
    timer_.stop();
    emit terminateRequested();
}

void PagePlayer::quit() {
    pagePlay_.busy = false;
    emit quitRequested();
}

bool PagePlayer::openMediaDataFile() {
    const QString host = session_.mediaDataFileHost(page_);
    if (host.isEmpty()) {
        return false;
    }
    QFile::setPermissions(host, QFile::permissions(host) | QFile::WriteOwner);
    mediaData_.setFileName(host);
    return mediaData_.open(QIODevice::ReadOnly);
}

void PagePlayer::setNextStep(int row, int column, qint64 timeMs) {
    if (row >= 1 && row <= kRowCount && column >= 1 && column <= kColumnCount) {
        pagePlay_.nextStep[row][column] = timeMs;
    }
}

void PagePlayer::finishSteps(int row, int column) {
    setNextStep(row, column, 0);
    if (row >= 1 && row <= kRowCount) {
        pagePlay_.rows[row].shown = false;
    }
}

void PagePlayer::noteFrameDelay(int ms) {
    pagePlay_.GifVitesse = std::max(pagePlay_.GifVitesse, ms);
}

// A page the project does not have, or a column outside the grid, changes nothing.
void PagePlayer::goTo(int page, int column) {
    if (!session_.pageExists(page) || column < 1 || column > kColumnCount) {
        pagePlay_.busy = false;
        return;
    }
    clearPage();
    loadPage(page, column);
    showColumn();
}

// The other project plays from its first page in a window of its own size; this one ends as
// at the end of playback, without the end screen.
void PagePlayer::playOtherProject(const QString& storedPath) {
    const QString found = session_.locateFile(storedPath);
    if (found == QStringLiteral("0")) {
        pagePlay_.busy = false;
        return;
    }
    stop();
    session_.removeRunFiles(true);
    if (!session_.openInPlace(found)) {
        requestTermination();
        return;
    }
    prepareDisplay();
    playPage();
}

}  // namespace ztv
