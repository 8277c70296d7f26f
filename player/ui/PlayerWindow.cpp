#include "player/ui/PlayerWindow.h"

#include "common/formats/AniCursor.h"
#include "common/platform/AppPaths.h"
#include "common/platform/FileIo.h"
#include "player/ui/CloseRequest.h"
#include "player/ui/EndPicture.h"
#include "player/ui/MediaControlWindow.h"
#include "player/ui/ScreenSaverFilter.h"
#include "player/ui/VideoPanel.h"

#include <QApplication>
#include <QApplicationStateChangeEvent>
#include <QCloseEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>

namespace ztv {
namespace {

// A cursor file of the player's folder; a missing, huge or broken one leaves the default.
std::optional<QCursor> cursorFromFile(const QString& host,
                                      std::optional<QCursor> (*read)(QByteArray)) {
    QFile file(host);
    if (!file.open(QIODevice::ReadOnly) || file.size() > PlayerWindow::kMaxCursorFileSize) {
        return std::nullopt;
    }
    return read(file.readAll());
}

}  // namespace

PlayerWindow::PlayerWindow(PlayerEnvironment env, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      im1_(std::make_unique<Engine>(std::move(env))),
      endPicture_(endPicture()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    f.setBold(true);
    setFont(f);
    setMouseTracking(true);
    setWindowTitle(QGuiApplication::applicationDisplayName());

    connect(im1_.get(), &Engine::canvasChanged, this, qOverload<>(&QWidget::update));
    connect(im1_.get(), &Engine::windowPlaced, this, [this](const QRect& r) {
        setGeometry(r);
        setFixedSize(r.size());
        showVideo();
    });
    videoPanel_ = new VideoPanel(im1_->mediaService(), this);
    videoPanel_->hide();
    mediaControlWindow_ =
        new MediaControlWindow([this](MediaButton b) { im1_->mediaButton(b); }, this);
    mediaControlWindow_->hide();
    connect(im1_.get(), &Engine::videoChanged, this, &PlayerWindow::showVideo);
    connect(im1_.get(), &Engine::titleChanged, this, [this](const QString& title) {
        QGuiApplication::setApplicationDisplayName(title);
        setWindowTitle(title);
    });
    connect(im1_.get(), &Engine::cursorChanged, this,
            [this](const QCursor& cursor) { setCursor(cursor); });
    // Both arrive from inside the engine's calls: the window closes once they have returned.
    connect(im1_.get(), &Engine::quitRequested, this, &QWidget::close, Qt::QueuedConnection);
    connect(im1_.get(), &Engine::terminateRequested, this, &PlayerWindow::endFromEngine,
            Qt::QueuedConnection);
    endScreenTimer_.setInterval(20);
    connect(&endScreenTimer_, &QTimer::timeout, this, &PlayerWindow::checkEndScreen);
    // The form sees every key before the controls inside it.
    qApp->installEventFilter(this);
}

PlayerWindow::~PlayerWindow() {
    qApp->removeEventFilter(this);
    // The panel shows the engine's media: it goes before the engine does.
    im1_->disconnect(this);
    delete videoPanel_;
    delete mediaControlWindow_;
}

bool PlayerWindow::start(const QString& playerFolderHost) {
    playerFolderHost_ = playerFolderHost;
    // A leftover of an earlier run from a CD.
    QFile::remove(QDir(AppPaths::tempZtvDir()).filePath(QStringLiteral("rlang.asc")));
    loadBusyCursor();
    loadHandCursor(playerFolderHost);
    if (!im1_->start(playerFolderHost)) {
        return false;
    }
    if (im1_->project().mode != StartMode::ExternalHost) {
        im1_->playPage();
    }
    if (im1_->terminationRequested()) {
        // The first page could not be played: no window, but the clean-up.
        im1_->stop();
        im1_->showEndScreen(nullptr, false);
        return false;
    }
    closeServer_ = new CloseRequestServer(QStringLiteral("Form1"), this);
    connect(closeServer_, &CloseRequestServer::closeRequested, this, &QWidget::close);
    return true;
}

// The engine's video panel and control bar, placed over the canvas as it is drawn.
void PlayerWindow::showVideo() {
    const MediaState& media = im1_->mediaState();
    const bool open = media.FDevVideo != 0;
    videoPanel_->setDevice(media.FDevVideo);
    videoPanel_->setVisible(open && !media.videoWindow.isEmpty());
    videoPanel_->setGeometry(toWindow(media.videoWindow));
    mediaControlWindow_->showButtons(media.MediaPl);
    mediaControlWindow_->setVisible(open && media.MediaPl.visible);
    mediaControlWindow_->move(toWindow(media.MediaPl.rect).topLeft());
    mediaControlWindow_->raise();
}

QRect PlayerWindow::toWindow(const QRect& canvasRect) const {
    const QImage& canvas = im1_->canvas();
    if (canvas.isNull() || canvas.size() == size()) {
        return canvasRect;
    }
    const qreal sx = qreal(width()) / canvas.width();
    const qreal sy = qreal(height()) / canvas.height();
    return QRectF(canvasRect.x() * sx, canvasRect.y() * sy, canvasRect.width() * sx,
                  canvasRect.height() * sy)
        .toAlignedRect();
}

void PlayerWindow::endFromEngine() {
    withoutEndScreen_ = true;
    close();
}

void PlayerWindow::loadBusyCursor() {
    if (auto cursor =
            cursorFromFile(QDir::current().filePath(QStringLiteral("amp1.ani")), cursorFromAni)) {
        im1_->setLoadingCursor(*cursor);
    }
}

void PlayerWindow::loadHandCursor(const QString& folderHost) {
    if (auto cursor = cursorFromFile(QDir(folderHost).filePath(QStringLiteral("handflat.cur")),
                                     cursorFromCur)) {
        im1_->setHandCursor(*cursor);
    }
}

void PlayerWindow::startScreenSaver() {
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    screenSaver_ = new ScreenSaverFilter(
        QCursor::pos(), QGuiApplication::applicationState() == Qt::ApplicationActive, this);
    connect(screenSaver_, &ScreenSaverFilter::ended, this, &PlayerWindow::endScreenSaver);
    qApp->installEventFilter(screenSaver_);
}

void PlayerWindow::endScreenSaver() {
    qApp->removeEventFilter(screenSaver_);
    QGuiApplication::restoreOverrideCursor();
    close();
}

// Only an activation from outside the program reloads: the application becomes active again,
// which the closing of one of its own message boxes does not do.
void PlayerWindow::hostActivated() {
    if (!closing_) {
        writeRepfilm();
        im1_->reloadPage();
    }
}

void PlayerWindow::writeRepfilm() const {
    // Replaced in one step: the host never reads a half-written file.
    writeLines(QDir(playerFolderHost_).filePath(QStringLiteral("repfilm.txt")),
               {QStringLiteral("debut")});
}

void PlayerWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& canvas = im1_->canvas();
    if (canvas.isNull()) {
        painter.fillRect(rect(), Qt::black);
    } else {
        painter.drawImage(rect(), canvas);
    }
}

bool PlayerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ApplicationStateChange && watched == qApp &&
        im1_->project().mode == StartMode::ExternalHost &&
        static_cast<QApplicationStateChangeEvent*>(event)->applicationState() ==
            Qt::ApplicationActive) {
        hostActivated();
    }
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (widget && widget->window() == this && key == Qt::Key_Escape) {
            close();
            return true;
        }
        if (widget && widget->window() == this && key == Qt::Key_Space) {
            im1_->spaceKey();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PlayerWindow::mousePressEvent(QMouseEvent* event) {
    const QUrl address = endPictureAddress();
    if (closing_ && !address.isEmpty() &&
        im1_->endPictureRect().contains(event->position().toPoint())) {
        QDesktopServices::openUrl(address);
    }
    if (const auto point = canvasPoint(event); point && event->button() == Qt::LeftButton) {
        im1_->mouseDown(*point);
    }
    QWidget::mousePressEvent(event);
}

void PlayerWindow::mouseMoveEvent(QMouseEvent* event) {
    if (const auto point = canvasPoint(event)) {
        im1_->hoverAt(*point);
    }
    QWidget::mouseMoveEvent(event);
}

// The canvas is drawn over the whole window: the point is mapped back onto it. None while the
// window closes.
std::optional<QPoint> PlayerWindow::canvasPoint(const QMouseEvent* event) const {
    const QImage& canvas = im1_->canvas();
    if (closing_ || canvas.isNull() || width() <= 0 || height() <= 0) {
        return std::nullopt;
    }
    const QPointF p = event->position();
    return QPoint(int(p.x() * canvas.width() / width()), int(p.y() * canvas.height() / height()));
}

// Whatever closes the window (Escape, the quit action, the screen saver, a close request,
// SIGTERM) runs one close sequence; requests during the end screen are ignored.
void PlayerWindow::closeEvent(QCloseEvent* event) {
    if (finished_) {
        event->accept();
        return;
    }
    if (!closing_ && !beginClose()) {
        finished_ = true;
        event->accept();
        return;
    }
    event->ignore();
}

bool PlayerWindow::showsEndScreen() const {
    if (im1_->project().projectPath.isEmpty() || withoutEndScreen_) {
        return false;
    }
    // A preview shows the end screen only for a project an action opened; its clean-up never
    // touches the editor's working copy.
    return im1_->project().mode != StartMode::Preview || im1_->project().ZTVXExt;
}

// True while the end screen holds the window open.
bool PlayerWindow::beginClose() {
    closing_ = true;
    im1_->stop();
    if (im1_->project().mode == StartMode::ExternalHost) {
        writeRepfilm();
    }
    closeStart_ = im1_->clock().nowMs();
    if (!showsEndScreen()) {
        if (withoutEndScreen_) {
            im1_->showEndScreen(nullptr, false);
        }
        return false;
    }
    im1_->showEndScreen(&endPicture_, false);
    if (!endPictureAddress().isEmpty()) {
        setCursor(Qt::PointingHandCursor);
    }
    repaint();
    endScreenTimer_.start();
    return true;
}

void PlayerWindow::checkEndScreen() {
    if (im1_->clock().nowMs() - closeStart_ > kEndScreenMs) {
        finishClose();
    }
}

void PlayerWindow::finishClose() {
    endScreenTimer_.stop();
    finished_ = true;
    unsetCursor();
    close();
}

}  // namespace ztv
