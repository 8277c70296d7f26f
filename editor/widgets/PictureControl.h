#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace ztv::editor {

// What a picture control of a dialog shows: its picture (the control's size), the colour that
// its appearance mode leaves out, if any, and what the last picture file loaded into it was.
struct PictureControl {
    QImage image;
    bool transparent = false;
    QRgb transparentColour = 0;
    // The natural size of the file loaded last (frames x width for a GIF strip); empty before.
    QSize loadedSize;
    // The frame count of an animated GIF loaded last; -1 for any other picture.
    int gifFrameCount = -1;

    // The picture as it shows: the transparent colour cut out.
    QImage shown() const;
};

}  // namespace ztv::editor
