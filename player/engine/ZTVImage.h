#pragma once

#include "common/archives/PackageReader.h"
#include "common/formats/DisplayScaling.h"
#include "common/formats/LanguageFile.h"
#include "common/formats/PageFileSplitter.h"
#include "common/formats/PicturePrefetch.h"
#include "common/formats/ProjectSettings.h"
#include "player/elements/ElementFactory.h"
#include "player/elements/ElementRoles.h"
#include "player/elements/MediaPath.h"
#include "player/engine/MediaPlayback.h"
#include "player/engine/PagePlay.h"
#include "player/engine/PlayerCommandLine.h"
#include "player/engine/PlayerEnvironment.h"
#include "player/engine/ProjectState.h"
#include "player/transitions/TransitionEngine.h"

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

// The player's engine: it opens the project, owns the playback directory, the page state, the
// elements and the media, and draws on a canvas image that the main window only shows. It
// needs no window, so tests drive it with a manual clock and a scripted prompter. Elements see
// it only through the roles they are given. Its state is grouped by owner: the project
// (ProjectState, written by the opening), the page play (PagePlayState) and the media
// (MediaPlayback).
class TZTVImage : public QObject,
                  public PageCanvas,
                  public EffectReversal,
                  public StepScheduler,
                  public ColumnPacing,
                  public ElementMessages,
                  public MediaFinder,
                  public PageMediaFiles,
                  public ProjectState {
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

    // Stops what playback started: the timer, the page file, the media data file, the media
    // devices, the elements.
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
    // The one entry point of actions.
    void DemarrerAction(const Action& action);
    // The mouse at a canvas point: rows with a hover look switch to it, and back when the row
    // restores its look on leaving; a hover action runs; the cursor shows what a click does.
    void hoverAt(QPoint point);
    // A mouse press on the canvas: the highest row under the point that has an action (or the
    // panorama) gets the click.
    void mouseDown(QPoint point);
    // A keyword chosen in a keyword list: its page (and column) from the keyword table.
    void ComboBox1Click(const QString& keyword);

    // The project appended to this player's program; false: the player ends.
    bool InitExeUnique();
    // The single-file project named by projectPath; false: the player ends.
    bool InitZTVX();
    // In a packed project, the host path of the file a stored path names in the playback
    // directory, extracted from the package when it is not there yet; empty when the package
    // has no such file. Otherwise the path in the playback directory, unchanged.
    QString extractOnDemand(const QString& storedPath) const;
    // The action that plays another single-file project in place of this one, from its first
    // page, in a window of its own size.
    void openSingleFileProject(const QString& storedPath);
    // The files extractions from the package wrote, removed at the end of playback.
    const QStringList& extractedFiles() const { return package_.extractedFiles(); }

    // The page's media data file (media packed page by page), while a page loads.
    bool OuvrirCDS();
    void FermerCDS();
    // The pictures of the page being loaded, decoded ahead on other threads.
    PicturePrefetch& picturePrefetch() override { return pictures_; }

    // The state of the page play and of the media, for the windows and tests to read.
    const PagePlayState& pagePlay() const { return pagePlay_; }
    const MediaState& mediaState() const { return media_.state(); }
    MediaPlayback& mediaPlayback() { return media_; }
    // The video's control bar and the Space key.
    void MediaPlClick(MediaButton button) { media_.MediaPlClick(button); }
    void spaceKey() { media_.spaceKey(); }
    // What plays the media, for the video panel to show its frames.
    MediaService& mediaService() { return media_.service(); }
    int currentPage() const { return Page; }
    // The kinds of element the page play makes; a new kind is defined here.
    ElementFactory& elementFactory() { return factory_; }
    TransitionEngine& transitions() override { return transitions_; }
    const LanguageFile& language() const override { return language_; }
    QString mediaPlaybackPath(const QString& stored, MediaKind kind) const override;
    bool existsWindowsPath(const QString& windowsPath) const override {
        return existsWin(windowsPath);
    }
    void tell(const QString& text) override;
    // The application was asked to end (a missing page file): the window closes without the
    // end screen.
    bool terminationRequested() const { return terminationRequested_; }
    // The end screen (a white page with the end picture centred; no picture: none) and the
    // clean-up: the playback directory this run created, "rlang.asc" of the temp folder
    // unless keepLanguageFile, and the files extracted from a package.
    void CreerLogoFin(const QImage* endPicture, bool keepLanguageFile);

    QString Showmess(int line) const { return language_.message(line); }
    // A stored path with a drive: itself, else on the media drive, else on the first drive
    // that has it (which becomes the media drive), else beneath the folder of a moved project;
    // "0" when found nowhere.
    QString ExistenceFichier(const QString& windowsPath);
    // Tries the drive-less path on A: to Z: (known drives only); a hit sets the media drive.
    bool searchDrivesFor(const QString& pathWithoutDrive) override;
    QString mediaDrive() const override { return mediaDrive_; }
    QString findBesideProject(const QString& storedPath) const override;

    // Where things are.
    const DriveTable& drives() const override { return env_.drives; }
    QString playbackDirectory() const;  // Windows path: Chemin + "\" + the name
    QString playbackDirectoryHost() const;
    // The host path of page + ".JOU" in the playback directory, split from "pages.tae" when it
    // is first asked for.
    QString pageFileHost(int page) const;
    bool ownsPlaybackDirectory() const { return !ownedPlaybackHost_.isEmpty(); }

    // The canvas the pages are drawn on, the page background and the window's place.
    QImage& canvas() override { return canvas_; }
    const QImage& canvas() const { return canvas_; }
    const QImage& background() const { return Fond; }  // `Fond`
    QRect windowRect() const { return windowRect_; }
    QRect endPictureRect() const { return endPictureRect_; }
    QTimer& timer() { return timer_; }
    const Clock& clock() const override { return *env_.clock; }
    Prompter& prompter() { return *env_.prompter; }
    const PlayerEnvironment& environment() const { return env_; }
    const DisplayGeometry& geometry() const override { return geometry_; }
    const QString& title() const { return title_; }

    // While a page loads the window shows this cursor ("amp1.ani" when there is one).
    void setLoadingCursor(const QCursor& cursor) { busyCursor_ = cursor; }
    // Over what takes a click ("handflat.cur" when there is one).
    void setHandCursor(const QCursor& cursor) { handCursor_ = cursor; }

  signals:
    void titleChanged(const QString& title);
    void windowPlaced(const QRect& rect);
    void canvasChanged();
    void videoChanged();  // the video panel or its control bar changed
    void cursorChanged(const QCursor& cursor);
    void terminateRequested();  // end now, without the end screen
    void quitRequested();       // the quit action: the normal close

  private:
    bool openWorkingCopy();
    bool applySettings(const ProjectSettings& settings, bool readFirstPage);
    bool isProjectFile(const QString& given);
    QString findProjectBesidePlayer();
    QString chooseProject();
    bool openPlaybackDirectory(const QString& driveOf, const QString& rootFolder);
    bool copyContainerAndSplit();
    // From containerHost when given, "pages.tae" being its copy; else "pages.tae" as it is.
    bool splitPagesTae(const QString& containerHost = QString());
    void beginPackage();
    bool endPackageOpening();
    void loadPackedLanguage();
    bool openPackedContainer(const QString& baseName);
    void applyPackingSettings(const ProjectSettings& settings);
    QString packedMediaDataFile();
    void writeEmptyPages();
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
    enum class CursorShape { Arrow, Busy, Hand };
    // Tells the window only when the shape changes: the mouse moves often.
    void showCursor(CursorShape shape);
    std::optional<ElementRecord> readRecord(qint64 index);
    void createElement(int index, const ElementRecord& record);
    void prefetchPictures(const QList<ElementRecord>& records);
    void scanCurrentColumn();
    bool showRecord(int index, const ElementRecord& record);
    void registerAction(int index, const ElementRecord& element, const Action& action);
    bool showElement(const ElementRecord& element, const Action& action);
    bool actNow(const ElementRecord& zone, const Action& action);
    void stepRows(bool& stillAnimating, bool& finishedPicture);
    void startTick(qint64 waitMs);
    void leaveHoverRows(QPoint point);
    void showHover(int row, bool on);
    void advanceColumn();
    // The click target under a point: row 0 when nothing there takes a click.
    struct ClickTarget {
        int row = 0;
        int record = 0;
        int direction = 0;  // panorama: 0 left, 1 right, 2 up, 3 down
    };
    ClickTarget clickTargetAt(QPoint point) const;
    void ClickDessin(const ClickTarget& target);
    // A record of the current page file, read through a file of its own (the run's may be
    // closed); nullopt for an index outside the file.
    std::optional<ElementRecord> readActionRecord(int index) const;
    bool runHoverAction(int row);
    void jumpTo(int page, int column);
    bool pageExists(int page) const;
    // The file an action names, as a host path; empty when it is nowhere.
    QString actionFile(const QString& stored, bool fromPackage = false);
    // Starts a program or opens a file for an action; asks first for a project handed over
    // as a document.
    void openForAction(const QString& host, const QStringList& arguments);
    bool mayStartPrograms(const QString& what);
    void openAddress(const QString& address);
    void startApplication(const QString& stored);
    void runAndWait(const QString& stored, const QString& parameters);
    // False when the file is nowhere.
    bool printTextFile(const QString& stored);
    void printScreen();
    DesktopShell& shell();
    // Runs the program with its parameters and waits for its end, serving events meanwhile.
    void waitForProgram(const QString& windowsPath, const QString& parameters);
    std::optional<int> pageNumber(const QString& text);

    // --- the roles the elements are given ---
    QImage& pageBackground() override { return Fond; }
    bool projetStretch() const override { return ProjetStretch; }
    bool nextEffectReversed() const override { return pagePlay_.EffetInverse; }
    void clearEffectReversal() override { pagePlay_.EffetInverse = false; }
    void setNextStep(int row, int column, qint64 timeMs) override;
    void finishSteps(int row, int column) override;
    void restartColumnPause() override { pagePlay_.pauseDone = false; }
    void noteFrameDelay(int ms) override;
    void resetMediaDrive() override { mediaDrive_ = QStringLiteral("C:"); }
    QIODevice* mediaDataFile() override;
    bool mediaPackedByPage() const override { return mediaByPage; }

    PlayerEnvironment env_;
    QString playerFolder_;  // Windows path
    QString playerFolderHost_;
    QString ownedPlaybackHost_;  // set only for a playback directory this run created
    // The pages of "pages.tae" not yet split; asking for a page file is not a change of state.
    mutable std::optional<PageFileSplitter> pageFiles_;
    LanguageFile language_;
    TransitionEngine transitions_;
    PagePlayState pagePlay_;
    ElementFactory factory_;
    MediaPlayback media_;
    int Page = 1;
    QImage Fond;  // the page background: what a disappearing element copies back
    QString mediaDrive_ = QStringLiteral("C:");
    QCursor busyCursor_{Qt::WaitCursor};
    QCursor handCursor_{Qt::PointingHandCursor};
    std::optional<CursorShape> shownCursor_;
    std::optional<bool> programsAllowed_;  // the answer for this run, once asked
    QFile mediaData_;
    // Finding a media file may extract it from the package, from the const media look-up too.
    mutable PackageReader package_;
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
