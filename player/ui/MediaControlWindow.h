#pragma once

#include "player/engine/MediaControlBar.h"

#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>

namespace ztv {

// The video's control bar: Play, Pause, Stop, Previous and Eject, 141 pixels wide. It shows
// the engine's bar and hands the clicks back to it.
class MediaControlWindow : public QWidget {
    Q_OBJECT
  public:
    MediaControlWindow(std::function<void(MediaButton)> click, QWidget* parent);

    void showButtons(const MediaControlBar& bar);
    QToolButton* button(MediaButton which) const { return buttons_[std::size_t(which)]; }

  private:
    std::array<QToolButton*, kMediaButtonCount> buttons_{};
};

}  // namespace ztv
