#pragma once

#include "player/engine/Engine.h"
#include "player/engine/PlayerEnvironment.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace ztv {

class CloseRequestServer;
class MediaControlWindow;
class VideoPanel;
class ScreenSaverFilter;

// The player's one window: borderless and black, it shows the engine's canvas and turns keys,
// close requests and the end screen into the engine's calls.
class PlayerWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr qint64 kEndScreenMs = 4000;
    static constexpr qint64 kMaxCursorFileSize = 4 << 20;

    explicit PlayerWindow(PlayerEnvironment env, QWidget* parent = nullptr);
    ~PlayerWindow() override;

    // Start-up: initialises the engine and places the window. False: the player ends without
    // showing a window.
    bool start(const QString& playerFolderHost);
    // "/S": hides the cursor and ends at the first real input.
    void startScreenSaver();

    Engine& im1() { return *im1_; }
    bool isClosing() const { return closing_; }
    VideoPanel* videoPanel() const { return videoPanel_; }
    MediaControlWindow* mediaControlWindow() const { return mediaControlWindow_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void loadBusyCursor();
    void loadHandCursor(const QString& folderHost);
    std::optional<QPoint> canvasPoint(const QMouseEvent* event) const;
    bool beginClose();
    void checkEndScreen();
    void finishClose();
    bool showsEndScreen() const;
    void writeRepfilm() const;
    void hostActivated();
    void endScreenSaver();
    void endFromEngine();
    void showVideo();
    QRect toWindow(const QRect& canvasRect) const;

    std::unique_ptr<Engine> im1_;
    QString playerFolderHost_;
    QImage endPicture_;
    QTimer endScreenTimer_;
    qint64 closeStart_ = 0;
    bool closing_ = false;
    bool finished_ = false;
    bool withoutEndScreen_ = false;  // the engine ended the application
    CloseRequestServer* closeServer_ = nullptr;
    ScreenSaverFilter* screenSaver_ = nullptr;
    VideoPanel* videoPanel_ = nullptr;
    MediaControlWindow* mediaControlWindow_ = nullptr;
};

}  // namespace ztv
