#pragma once

#include "common/formats/ElementKinds.h"
#include "common/formats/PicturePrefetch.h"
#include "player/elements/ElementFactory.h"
#include "player/elements/ElementRoles.h"
#include "player/engine/ActionRunner.h"
#include "player/engine/MediaPlayback.h"
#include "player/engine/Navigation.h"
#include "player/engine/PagePlay.h"
#include "player/engine/PlayerEnvironment.h"
#include "player/engine/ProjectSession.h"
#include "player/transitions/TransitionEngine.h"

#include <QCursor>
#include <QFile>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <optional>

namespace ztv {

// Plays the open project's pages on a canvas image: it loads a page's run of columns, hosts
// its elements and media, shows the columns one after the other on the timer's ticks, and
// turns clicks, hover and chosen keywords into actions. It needs no window.
class PagePlayer : public QObject,
                   public PageCanvas,
                   public EffectReversal,
                   public StepScheduler,
                   public ColumnPacing,
                   public ElementMessages,
                   public MediaFinder,
                   public PageMediaFiles,
                   public RowPlacement,
                   private Navigation {
    Q_OBJECT
  public:
    PagePlayer(const PlayerEnvironment& env, ProjectSession& session, QObject* parent = nullptr);

    // After a project is open: places the window, prepares the background (Fond), resets the
    // playback properties and leaves the timer stopped.
    void prepareDisplay();
    // Stops what playback started: the timer, the page file, the media data file, the media
    // devices, the elements.
    void stop();
    // A white page with the end picture centred.
    void showEndScreen(const QImage& endPicture);

    // The start page, from its first column.
    void playPage();
    // The external host's reload: the previous load's elements go, then playPage.
    void reloadPage();
    // Creates and prepares the elements of the run from `column` and of the column after it.
    void loadPage(int page, int column);
    // Shows the current column's records.
    void showColumn();
    // The timer tick: steps the elements that are due, then pauses or goes on.
    void stepDueElements();
    void runAction(const Action& action) { actions_.run(action); }
    // The mouse at a canvas point: rows with a hover look switch to it, and back when the row
    // restores its look on leaving; a hover action runs; the cursor shows what a click does.
    void hoverAt(QPoint point);
    // A mouse press on the canvas: the highest row under the point that has an action (or the
    // panorama) gets the click.
    void mouseDown(QPoint point);
    // A keyword chosen in a keyword list: its page (and column) from the keyword table.
    void keywordChosen(const QString& keyword);

    // The page's media data file (media packed page by page), while a page loads.
    bool openMediaDataFile();
    void closeMediaDataFile() { mediaData_.close(); }
    // A new kind of element, or another maker for a kind.
    void defineElementKind(ElementKind kind, ElementFactory::Maker maker) {
        factory_.define(kind, std::move(maker));
    }
    // The video's control bar and the Space key.
    void mediaButton(MediaButton button) { media_.MediaPlClick(button); }
    void spaceKey() { media_.spaceKey(); }
    // What plays the media, for the video panel to show its frames.
    MediaService& mediaService() { return media_.service(); }

    const PagePlayState& pagePlay() const { return pagePlay_; }
    const MediaState& mediaState() const { return media_.state(); }
    int currentPage() const override { return page_; }
    const QImage& canvas() const { return canvas_; }
    const QImage& background() const { return Fond; }  // `Fond`
    QRect windowRect() const { return windowRect_; }
    QRect endPictureRect() const { return endPictureRect_; }
    const QTimer& timer() const { return timer_; }
    // The page's media, for the tests of their cues.
    MediaPlayback& mediaPlayback() { return media_; }
    // The application was asked to end (a missing page file): the window closes without the
    // end screen.
    bool terminationRequested() const { return terminationRequested_; }
    // While a page loads the window shows this cursor ("amp1.ani" when there is one).
    void setLoadingCursor(const QCursor& cursor) { busyCursor_ = cursor; }
    // Over what takes a click ("handflat.cur" when there is one).
    void setHandCursor(const QCursor& cursor) { handCursor_ = cursor; }

    // --- the roles the elements are given ---
    QImage& canvas() override { return canvas_; }
    QImage& pageBackground() override { return Fond; }
    const DisplayGeometry& geometry() const override { return session_.geometry(); }
    bool projetStretch() const override { return session_.project().ProjetStretch; }
    TransitionEngine& transitions() override { return transitions_; }
    bool nextEffectReversed() const override { return pagePlay_.EffetInverse; }
    void clearEffectReversal() override { pagePlay_.EffetInverse = false; }
    const Clock& clock() const override { return *env_.clock; }
    void setNextStep(int row, int column, qint64 timeMs) override;
    void finishSteps(int row, int column) override;
    void restartColumnPause() override { pagePlay_.pauseDone = false; }
    void noteFrameDelay(int ms) override;
    void tell(const QString& text) override { session_.tell(text); }
    const LanguageFile& language() const override { return session_.language(); }
    QString mediaDrive() const override { return session_.mediaDrive(); }
    void resetMediaDrive() override { session_.resetMediaDrive(); }
    bool existsWindowsPath(const QString& windowsPath) const override {
        return session_.exists(windowsPath);
    }
    bool searchDrivesFor(const QString& pathWithoutDrive) override {
        return session_.searchDrivesFor(pathWithoutDrive);
    }
    QString findBesideProject(const QString& storedPath) const override {
        return session_.findBesideProject(storedPath);
    }
    const DriveTable& drives() const override { return env_.drives; }
    QIODevice* mediaDataFile() override { return mediaData_.isOpen() ? &mediaData_ : nullptr; }
    PicturePrefetch& picturePrefetch() override { return pictures_; }
    bool mediaPackedByPage() const override { return session_.project().mediaByPage; }
    // Finding a packed sound or video extracts it from the package.
    QString mediaPlaybackPath(const QString& stored, MediaKind kind) override {
        return session_.mediaPlaybackPath(stored, kind);
    }
    void moveRow(int row, QPoint topLeft) override;

  signals:
    void windowPlaced(const QRect& rect);
    void canvasChanged();
    void videoChanged();  // the video panel or its control bar changed
    void cursorChanged(const QCursor& cursor);
    void terminateRequested();  // end now, without the end screen
    void quitRequested();       // the quit action: the normal close

  private:
    // --- Navigation: what actions may ask ---
    void goTo(int page, int column) override;
    void playOtherProject(const QString& storedPath) override;
    void closeRun() override;
    void showBusy(bool busy) override;
    void actionDone() override { pagePlay_.busy = false; }
    void clearReversedEffect() override { pagePlay_.EffetInverse = false; }
    void quit() override;
    void toggleSound() override { media_.toggleSound(); }
    void toggleVideo() override { media_.toggleVideo(); }
    const QImage& screen() const override { return canvas_; }

    void placeWindow();
    void prepareBackground();
    void resetProperties();
    void requestTermination();
    enum class CursorShape { Arrow, Busy, Hand };
    // Tells the window only when the shape changes: the mouse moves often.
    void showCursor(CursorShape shape);
    // Opens the page file of the current page; missing: a message and the application ends.
    bool openPageFile();
    // The last column of the run of occupied columns from `first`; -1 without a page file.
    int findLastColumn(int first);
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
    void advanceColumn();
    // Clears the page before a jump: rows marked to disappear, the elements.
    void clearPage();
    // Runs the action of row's action record without a click (the immediate action).
    void runRowAction(int row);
    void leaveHoverRows(QPoint point);
    void showHover(int row, bool on);
    bool runHoverAction(int row);
    // The click target under a point: row 0 when nothing there takes a click.
    struct ClickTarget {
        int row = 0;
        int record = 0;
        int direction = 0;  // panorama: 0 left, 1 right, 2 up, 3 down
    };
    ClickTarget clickTargetAt(QPoint point) const;
    void clickOn(const ClickTarget& target);
    void scrollPanorama(const ClickTarget& target);
    // A record of the current page file, read through a file of its own (the run's may be
    // closed); nullopt for an index outside the file.
    std::optional<ElementRecord> readActionRecord(int index);

    const PlayerEnvironment& env_;
    ProjectSession& session_;
    TransitionEngine transitions_;
    PagePlayState pagePlay_;
    ElementFactory factory_;
    MediaPlayback media_;
    ActionRunner actions_;
    int page_ = 1;
    QImage Fond;  // the page background: what a disappearing element copies back
    QImage canvas_;
    QRect windowRect_;
    QRect endPictureRect_;
    QTimer timer_;
    QCursor busyCursor_{Qt::WaitCursor};
    QCursor handCursor_{Qt::PointingHandCursor};
    std::optional<CursorShape> shownCursor_;
    QFile mediaData_;
    PicturePrefetch pictures_;
    bool terminationRequested_ = false;
};

}  // namespace ztv
