#include "player/engine/MediaControlBar.h"

#include <cmath>

namespace ztv {

MediaControlBar MediaControlBar::created() {
    MediaControlBar bar;
    bar.enableOnly({MediaButton::Pause, MediaButton::Stop, MediaButton::Eject});
    return bar;
}

void MediaControlBar::enableOnly(std::initializer_list<MediaButton> buttons) {
    enabled = 0;
    for (const MediaButton button : buttons) {
        enabled |= bit(button);
    }
}

void MediaControlBar::placeBy(const QRect& panel, ControlBarPlace place) {
    visible = place != ControlBarPlace::None;
    const int spare = panel.width() - kWidth;
    if (place == ControlBarPlace::Below) {
        // lrint rounds halves to even in the default rounding mode.
        rect = QRect(panel.left() + int(std::lrint(spare / 2.0)), panel.top() + panel.height(),
                     kWidth, kHeight);
    } else if (place == ControlBarPlace::Above) {
        rect = QRect(panel.left() + spare / 2, panel.top() - kHeight, kWidth, kHeight);
    }
}

}  // namespace ztv
