#pragma once

#include "player/engine/PagePlayer.h"
#include "player/engine/PlayerEnvironment.h"
#include "player/engine/ProjectSession.h"

#include <QObject>

namespace ztv {

// The player's engine: the open project (ProjectSession) and its pages played on a canvas
// image (PagePlayer, which runs actions through an ActionRunner). The main window only shows
// the canvas and hands over the mouse and the keys; it needs no window, so tests drive it with
// a manual clock and a scripted prompter.
class Engine : public QObject {
    Q_OBJECT
  public:
    explicit Engine(PlayerEnvironment env, QObject* parent = nullptr);

    // Finds and opens the project of the start mode, sizes the display and prepares the
    // background. False: the player is to end (the messages have been shown).
    bool start(const QString& playerFolderHost);
    // Stops what playback started: the timer, the page file, the media, the elements.
    void stop() { player_.stop(); }
    // The end screen (a white page with the end picture centred; no picture: none) and the
    // clean-up: the playback directory this run created, "rlang.asc" of the temp folder
    // unless keepLanguageFile, and the files extracted from a package.
    void showEndScreen(const QImage* endPicture, bool keepLanguageFile);

    // --- page play ---
    void playPage() { player_.playPage(); }
    void reloadPage() { player_.reloadPage(); }
    void loadPage(int page, int column) { player_.loadPage(page, column); }
    void showColumn() { player_.showColumn(); }
    void stepDueElements() { player_.stepDueElements(); }
    void runAction(const Action& action) { player_.runAction(action); }
    void hoverAt(QPoint point) { player_.hoverAt(point); }
    void mouseDown(QPoint point) { player_.mouseDown(point); }
    void keywordChosen(const QString& keyword) { player_.keywordChosen(keyword); }
    void mediaButton(MediaButton button) { player_.mediaButton(button); }
    void spaceKey() { player_.spaceKey(); }
    bool openMediaDataFile() { return player_.openMediaDataFile(); }
    void closeMediaDataFile() { player_.closeMediaDataFile(); }
    void defineElementKind(ElementKind kind, ElementFactory::Maker maker) {
        player_.defineElementKind(kind, std::move(maker));
    }
    // What plays the media, for the video panel to show its frames.
    MediaService& mediaService() { return player_.mediaService(); }
    // While a page loads the window shows this cursor; the other over what takes a click.
    void setLoadingCursor(const QCursor& cursor) { player_.setLoadingCursor(cursor); }
    void setHandCursor(const QCursor& cursor) { player_.setHandCursor(cursor); }

    // --- stored paths (looking one up may change the media drive or split a page file) ---
    QString locateFile(const QString& windowsPath) { return session_.locateFile(windowsPath); }
    bool searchDrivesFor(const QString& pathWithoutDrive) {
        return session_.searchDrivesFor(pathWithoutDrive);
    }
    QString pageFileHost(int page) { return session_.pageFileHost(page); }

    // --- what the windows and tests read ---
    const ProjectSession& session() const { return session_; }
    const ProjectState& project() const { return session_.project(); }
    const PagePlayState& pagePlay() const { return player_.pagePlay(); }
    const MediaState& mediaState() const { return player_.mediaState(); }
    int currentPage() const { return player_.currentPage(); }
    const QImage& canvas() const { return player_.canvas(); }
    const QImage& background() const { return player_.background(); }
    QRect windowRect() const { return player_.windowRect(); }
    QRect endPictureRect() const { return player_.endPictureRect(); }
    const QTimer& timer() const { return player_.timer(); }
    const Clock& clock() const { return *env_.clock; }
    const QString& title() const { return session_.title(); }
    bool terminationRequested() const { return player_.terminationRequested(); }

  signals:
    void titleChanged(const QString& title);
    void windowPlaced(const QRect& rect);
    void canvasChanged();
    void videoChanged();  // the video panel or its control bar changed
    void cursorChanged(const QCursor& cursor);
    void terminateRequested();  // end now, without the end screen
    void quitRequested();       // the quit action: the normal close

  private:
    const PlayerEnvironment env_;
    ProjectSession session_;
    PagePlayer player_;
};

}  // namespace ztv
