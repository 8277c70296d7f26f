#include "player/ui/MediaControlWindow.h"

#include <QHBoxLayout>

namespace ztv {
namespace {

// Pictures drawn at build time (ztvassetgen) and compiled in.
const char* const kIcons[kMediaButtonCount] = {
    ":/player/mediapl_play.png", ":/player/mediapl_pause.png", ":/player/mediapl_stop.png",
    ":/player/mediapl_previous.png", ":/player/mediapl_eject.png"};

}  // namespace

MediaControlWindow::MediaControlWindow(std::function<void(MediaButton)> click, QWidget* parent)
    : QWidget(parent) {
    setFixedSize(MediaControlBar::kWidth, MediaControlBar::kHeight);
    setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (int i = 0; i < kMediaButtonCount; ++i) {
        auto* b = new QToolButton(this);
        b->setIcon(QIcon(QString::fromLatin1(kIcons[i])));
        b->setIconSize(QSize(16, 16));
        b->setFocusPolicy(Qt::NoFocus);
        // 141 = 4 x 28 + 29.
        b->setFixedSize(i + 1 < kMediaButtonCount ? 28 : 29, MediaControlBar::kHeight);
        connect(b, &QToolButton::clicked, this, [click, i] { click(MediaButton(i)); });
        row->addWidget(b);
        buttons_[std::size_t(i)] = b;
    }
}

void MediaControlWindow::showButtons(const MediaControlBar& bar) {
    for (int i = 0; i < kMediaButtonCount; ++i) {
        buttons_[std::size_t(i)]->setEnabled(bar.isEnabled(MediaButton(i)));
    }
}

}  // namespace ztv
