#include "editor/app/IntroScreen.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace ztv::editor {

namespace {

// The size of the window when the picture is missing.
constexpr QSize kDefaultSize(480, 300);

}  // namespace

IntroScreen::IntroScreen(const QString& logoHost, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), logo_(logoHost) {
    setObjectName(QStringLiteral("formintro"));
    resize(logo_.isNull() ? kDefaultSize : logo_.size());
    timer_.setSingleShot(true);
    timer_.setInterval(kShowMs);
    // Esc rejects the dialog already; the timer and a click close it the same way.
    connect(&timer_, &QTimer::timeout, this, &QDialog::reject);
}

void IntroScreen::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    timer_.start();
    QDialog::showEvent(event);
}

void IntroScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (logo_.isNull()) {
        painter.fillRect(rect(), Qt::black);
    } else {
        painter.drawImage(rect(), logo_);
    }
}

void IntroScreen::mousePressEvent(QMouseEvent*) {
    reject();
}

}  // namespace ztv::editor
