#pragma once

#include "common/DisplayScaling.h"
#include "common/LanguageFile.h"
#include "common/PicturePrefetch.h"
#include "common/ProjectSettings.h"
#include "player/PagePlay.h"
#include "player/PlayerCommandLine.h"
#include "player/PlayerEnvironment.h"
#include "player/elements/MediaPath.h"
#include "player/elements/TransitionEngine.h"

#include <QCursor>
#include <QFile>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <optional>

namespace ztv {

// The player's engine: it opens the project, owns the playback directory and the page state,
// and draws on a canvas image that the main window only shows. It needs no window, so tests
// drive it with a manual clock and a scripted prompter.
class TZTVImage : public QObject {
    Q_OBJECT
  public:
    explicit TZTVImage(PlayerEnvironment env, QObject* parent = nullptr);
    ~TZTVImage() override;  // removes a playback directory this run created

    // Finds and opens the project of the start mode, sizes the display and prepares the
    // background. False: the player is to end (the messages have been shown).
    bool Initialiser(const QString& playerFolderHost);
    // Finds the project of a normal start and opens it (playback directory, split, keywords).
    void OuvrirProjet();
    // After a project is open: places the window, prepares the background (Fond), resets the
    // playback properties and leaves the timer stopped. A project opened later by an action
    // runs it again.
    void prepareDisplay();

    // Stops what playback started: the timer, the page file, the media data file, the elements.
    void Terminer();

    // --- page play ---
    // The first page: ChargerPage(Page, 1), then ChargerDessin.
    void JouerPage();
    // The external host's reload: the previous load's elements go, then JouerPage.
    void RechargerPage();
    // Opens Page + ".JOU" in the playback directory; missing: line 19 and the application ends.
    bool OuvrirJou();
    // The last column of the run of occupied columns from `first`; -1 without a page file.
    int RechDerniereColonne(int first);
    // Creates and prepares the elements of the run from `column` and of the column after it.
    void ChargerPage(int page, int column);
    // Shows the current column's records.
    void ChargerDessin();
    // The timer tick: steps the elements that are due, then pauses or goes on.
    void TimerTimer();
    // Closes the run before a click is handled.
    void DeChargerDessin();
    // Clears the page before a jump: rows marked to disappear, the elements.
    void DisparitionAuto();
    // Runs the action of row's action record without a click (the immediate action).
    void AllerDirectJoudata(int row);
    // The one entry point of actions: the page and column jumps and quitting are built; the
    // other actions arrive with their features and until then only end the click.
    void DemarrerAction(const QString& acte, const QString& p1, const QString& p2);
    // The mouse at a canvas point: image rows switch to their hover picture, and back when the
    // row restores its look on leaving.
    void hoverAt(QPoint point);

    // The page's media data file (media packed page by page), while a page loads.
    bool OuvrirCDS();
    void FermerCDS();
    QIODevice* mediaDataFile() { return mediaData_.isOpen() ? &mediaData_ : nullptr; }
    // The pictures of the page being loaded, decoded ahead on other threads.
    PicturePrefetch& picturePrefetch() { return pictures_; }

    // What the elements share with the engine.
    PagePlayState& pagePlay() { return pagePlay_; }
    const PagePlayState& pagePlay() const { return pagePlay_; }
    TransitionEngine& transitions() { return transitions_; }
    const LanguageFile& language() const { return language_; }
    void setNextStep(int row, int column, qint64 timeMs);
    void setRowShown(int row, bool shown);
    QString mediaPlaybackPath(const QString& stored, MediaKind kind) const;
    bool existsWindowsPath(const QString& windowsPath) const { return existsWin(windowsPath); }
    void tell(const QString& text);
    // The application was asked to end (a missing page file): the window closes without the
    // end screen.
    bool terminationRequested() const { return terminationRequested_; }
    // The end screen (a white page with the end picture centred; no picture: none) and the
    // clean-up: the playback directory this run created, "rlang.asc" of the temp folder
    // unless keepLanguageFile, and the files extracted from a package.
    void CreerLogoFin(const QImage* endPicture, bool keepLanguageFile);

    QString Showmess(int line) const { return language_.text(line); }
    // A stored path with a drive: itself, else on the media drive, else on the first drive
    // that has it (which becomes the media drive), else beneath the folder of a moved project;
    // "0" when found nowhere.
    QString ExistenceFichier(const QString& windowsPath);
    // Tries the drive-less path on A: to Z: (known drives only); a hit sets the media drive.
    bool NineuilGrosCon(const QString& pathWithoutDrive);
    // A project moved elsewhere: the stored path's file beneath the project's folder (its
    // longest tail first). The Windows path of the hit, empty when none.
    QString findBesideProject(const QString& storedPath) const;

    // Where things are.
    QString toHost(const QString& windowsPath) const { return env_.drives.toHost(windowsPath); }
    QString playbackDirectory() const;  // Windows path: Chemin + "\" + the name
    QString playbackDirectoryHost() const;
    bool ownsPlaybackDirectory() const { return !ownedPlaybackHost_.isEmpty(); }

    // The canvas the pages are drawn on and the window's place on the screen.
    QImage& canvas() { return canvas_; }
    const QImage& canvas() const { return canvas_; }
    QRect windowRect() const { return windowRect_; }
    QRect endPictureRect() const { return endPictureRect_; }
    QTimer& timer() { return timer_; }
    const Clock& clock() const { return *env_.clock; }
    Prompter& prompter() { return *env_.prompter; }
    const PlayerEnvironment& environment() const { return env_; }
    const DisplayGeometry& geometry() const { return geometry_; }
    const QString& title() const { return title_; }

    // --- properties (plain fields, read and written directly by the page, action and media
    // parts) ---
    int Page = 1;
    QString Acte, clickztv;
    QString ActeVideo, clickVideo;
    QString ActeMusic, ClickMusic;
    QImage Fond;
    bool EffetInverse = false;
    bool SonFutur = false, VideoFutur = false, SonPersoFutur = false;
    QString FicSonFutur, FicVideoFutur, FicSonPersoFutur;
    std::uint16_t FDevVideo = 0, FDevSon = 0, FDevSonPerso = 0;
    QString VideoPrec, SonPrec, SonPersoPrec;
    bool VidMpeg = false, DisparitionAutoVideoFin = false, DisparitionAutoVideoChgt = false,
         AttendreFinVideo = false;
    int DebutVideo = 0, FinVideo = 0, PauseVideo = 0;
    bool CarteSon = false;
    bool FondMusic = false, BoucleMusic = false, ArretAutoMusicChgt = false,
         AttendreFinMusic = false;
    int DebutMusic = 0, FinMusic = 0;
    int LigAct = 0, ColAct = 0;
    QString CheminMotCle;
    QString Chemin;  // root of the playback directory, a Windows path without trailing "\"
    int NumEnregPano = -1;
    bool ZTVXExt = false;
    bool GifOnly = false;
    int GifVitesse = 0;
    qint64 Heure = 0;  // milliseconds of the engine's clock
    bool ProjetStretch = false;
    bool ProjetCache = false;
    QColor CouleurCache = Qt::black;

    // --- engine-wide values ---
    QString projectPath;  // Windows path; empty = no project
    QString playbackName = QStringLiteral("base");
    QString mediaDrive = QStringLiteral("C:");
    int projectWidth = ProjectSettings::kDefaultWidth;
    int projectHeight = ProjectSettings::kDefaultHeight;
    int screenWidth = 0, screenHeight = 0;
    StartMode mode = StartMode::Application;
    bool packedProject = false;
    bool archiveOpen = false;
    bool mediaByPage = false, mediaInPackage = false, perPageArchives = false;
    bool transparentProject = false;
    QString mediaDataFolder;             // where per-page media data files are looked up
    QCursor busyCursor{Qt::WaitCursor};  // while a page loads; "amp1.ani" when there is one
    QStringList extractedFiles;          // host paths written by extractions from a package

  signals:
    void titleChanged(const QString& title);
    void windowPlaced(const QRect& rect);
    void canvasChanged();
    void cursorChanged(const QCursor& cursor);
    void terminateRequested();  // end now, without the end screen
    void quitRequested();       // the quit action: the normal close

  private:
    bool openWorkingCopy();
    bool applySettings(const ProjectSettings& settings, bool readFirstPage);
    bool isProjectFile(const QString& given);
    QString findProjectBesidePlayer();
    QString chooseProject();
    bool openPlaybackDirectory();
    bool copyContainerAndSplit();
    void writeEmptyPages(const QList<std::int32_t>& written);
    void copyKeywordTable();
    void placeWindow();
    void prepareBackground();
    void resetProperties();
    void setTitle(const QString& title);
    void removeOwnedPlaybackDirectory();
    void removeExtractedFiles();
    bool existsWin(const QString& windowsPath) const;
    void requestTermination();
    void setBusyCursor(bool busy);
    std::optional<ElementRecord> readRecord(qint64 index);
    void createElement(int index, const ElementRecord& record);
    void prefetchPictures(const QList<ElementRecord>& records);
    void scanCurrentColumn();
    bool showRecord(int index, const ElementRecord& record);
    void registerAction(int index, const TZtvCase& element);
    bool showElement(const TZtvCase& element);
    void stepRows(bool& stillAnimating, bool& finishedPicture);
    void leaveHoverRows(QPoint point);
    void showHover(int row, bool on);
    void advanceColumn();
    bool isLine(const QString& text, int line) const;

    PlayerEnvironment env_;
    QString playerFolder_;  // Windows path
    QString playerFolderHost_;
    QString ownedPlaybackHost_;  // set only for a playback directory this run created
    LanguageFile language_;
    TransitionEngine transitions_;
    PagePlayState pagePlay_;
    QFile mediaData_;
    PicturePrefetch pictures_;
    bool terminationRequested_ = false;
    DisplayGeometry geometry_;
    QImage canvas_;
    QRect windowRect_;
    QRect endPictureRect_;
    QTimer timer_;
    QString title_;
};

}  // namespace ztv
