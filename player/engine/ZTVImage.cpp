#include "player/engine/ZTVImage.h"

#include "common/archives/ElfImage.h"
#include "common/formats/LangLines.h"
#include "common/platform/AppPaths.h"
#include "player/engine/RemoveTree.h"

#include <QDir>
#include <QFile>
#include <QPainter>

namespace ztv {

TZTVImage::TZTVImage(PlayerEnvironment env, QObject* parent)
    : QObject(parent),
      env_(std::move(env)),
      transitions_(language_, env_.prompter),
      media_(env_.media ? env_.media : unavailableMediaService(), *this, *this,
             {[this](int row) { AllerDirectJoudata(row); }, [this] { ChargerDessin(); },
              [this] { emit videoChanged(); }}) {
    Q_ASSERT(env_.prompter && env_.clock);
    timer_.setInterval(1);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TZTVImage::TimerTimer);
}

TZTVImage::~TZTVImage() {
    removeOwnedPlaybackDirectory();
    removeExtractedFiles();
}

bool TZTVImage::Initialiser(const QString& playerFolderHost) {
    playerFolderHost_ = QDir::cleanPath(playerFolderHost);
    playerFolder_ = env_.drives.toWindows(playerFolderHost_);
    ProjetStretch = ProjetCache = ZTVXExt = false;
    CouleurCache = Qt::black;
    playbackName = QStringLiteral("base");
    mediaDrive_ = QStringLiteral("C:");
    Chemin = playerFolder_;
    projectWidth = ProjectSettings::kDefaultWidth;
    projectHeight = ProjectSettings::kDefaultHeight;
    screenWidth = env_.screenSize.width();
    screenHeight = DisplayGeometry::heightForWidth(screenWidth);
    geometry_ = DisplayGeometry{projectWidth, projectHeight, screenWidth, screenHeight};
    projectPath.clear();
    workingCopyOrigin.clear();
    Page = 1;
    mode = startModeOf(env_.arguments);
    // The messages of the opening need the language lines before the playback directory
    // exists; they are the player's own file in every mode.
    language_.load(AppPaths(playerFolderHost_, playerFolderHost_).playerLanguageFile());

    if (mode != StartMode::Application) {
        if (!openWorkingCopy()) {
            return false;
        }
    } else if (carriesAppendedData(env_.programPath)) {
        if (!InitExeUnique()) {
            return false;
        }
    } else {
        OuvrirProjet();
        if (projectPath.isEmpty()) {
            return false;
        }
    }
    prepareDisplay();
    return true;
}

void TZTVImage::prepareDisplay() {
    placeWindow();
    prepareBackground();
    resetProperties();
    timer_.stop();
    emit canvasChanged();
}

void TZTVImage::placeWindow() {
    if (ProjetStretch || ProjetCache) {
        windowRect_ = QRect(0, 0, screenWidth, screenHeight);
    } else {
        windowRect_ = QRect((screenWidth - projectWidth) / 2, (screenHeight - projectHeight) / 2,
                            projectWidth, projectHeight);
    }
    emit windowPlaced(windowRect_);
}

void TZTVImage::prepareBackground() {
    canvas_ = QImage(windowRect_.size(), QImage::Format_RGB32);
    QImage screen;
    if (transparentProject && env_.grabScreen) {
        screen = env_.grabScreen(windowRect_);
    }
    if (screen.isNull()) {
        canvas_.fill(CouleurCache);
    } else {
        QPainter painter(&canvas_);
        painter.fillRect(canvas_.rect(), CouleurCache);
        painter.drawImage(QPoint(0, 0), screen);
    }
    Fond = canvas_.copy();
}

void TZTVImage::resetProperties() {
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

void TZTVImage::Terminer() {
    timer_.stop();
    pagePlay_.jou.close();
    pagePlay_.fileClosed = true;
    pagePlay_.runFinished = true;
    pagePlay_.ready = false;
    FermerCDS();
    media_.Terminer();
    pagePlay_.elements.freeAll();
}

void TZTVImage::CreerLogoFin(const QImage* endPicture, bool keepLanguageFile) {
    if (endPicture && !endPicture->isNull() && !canvas_.isNull()) {
        canvas_.fill(Qt::white);
        endPictureRect_ = QRect(QPoint((canvas_.width() - endPicture->width()) / 2,
                                       (canvas_.height() - endPicture->height()) / 2),
                                endPicture->size());
        QPainter(&canvas_).drawImage(endPictureRect_.topLeft(), *endPicture);
        emit canvasChanged();
    }
    removeOwnedPlaybackDirectory();
    if (!keepLanguageFile) {
        const QString rlang = QDir(AppPaths::tempZtvDir()).filePath(QStringLiteral("rlang.asc"));
        QFile::setPermissions(rlang, QFile::permissions(rlang) | QFile::WriteOwner);
        QFile::remove(rlang);
    }
    removeExtractedFiles();
}

void TZTVImage::removeOwnedPlaybackDirectory() {
    pageFiles_.reset();
    if (!ownedPlaybackHost_.isEmpty()) {
        removeTree(ownedPlaybackHost_);
        ownedPlaybackHost_.clear();
    }
}

// Only files inside the playback directory or the temp folder's "tempztv" are ever deleted,
// whatever a package named them.
void TZTVImage::removeExtractedFiles() {
    for (const QString& path : package_.extractedFiles()) {
        if (isInsideFolder(path, AppPaths::tempZtvDir()) ||
            (!ownedPlaybackHost_.isEmpty() && isInsideFolder(path, ownedPlaybackHost_))) {
            QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
            QFile::remove(path);
        }
    }
    package_.forget();
}

void TZTVImage::setTitle(const QString& title) {
    title_ = title;
    emit titleChanged(title_);
}

void TZTVImage::tell(const QString& text) {
    env_.prompter->message(text, title_);
}

}  // namespace ztv
