#pragma once

#include "player/elements/ControlBarPlace.h"

#include <QRect>
#include <initializer_list>

namespace ztv {

// The buttons of the video's control bar `MediaPl`, left to right.
enum class MediaButton { Play, Pause, Stop, Previous, Eject };
inline constexpr int kMediaButtonCount = 5;

// The control bar `MediaPl`: whether it shows, where, and which buttons answer.
struct MediaControlBar {
    static constexpr int kWidth = 141;
    static constexpr int kHeight = 26;

    bool visible = false;
    QRect rect;
    unsigned enabled = 0;  // bit per MediaButton

    // A new bar answers on Pause, Stop and Eject only.
    static MediaControlBar created();
    bool isEnabled(MediaButton button) const { return enabled & bit(button); }
    void enableOnly(std::initializer_list<MediaButton> buttons);
    // Placed centred below the panel (half the spare width rounded, ties to even) or above it
    // (truncated): the two can differ by one pixel.
    void placeBy(const QRect& panel, ControlBarPlace place);

  private:
    static unsigned bit(MediaButton button) { return 1u << unsigned(button); }
};

}  // namespace ztv
