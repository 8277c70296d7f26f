#pragma once

#include "common/formats/ElementRecord.h"

#include <QRect>

namespace ztv {

class ProjectSettings;

// How page coordinates map onto the screen.
struct DisplayGeometry {
    int projectWidth = 640;
    int projectHeight = 480;
    int screenWidth = 640;
    int screenHeight = 480;   // screen width x 480 / 640
    bool fullScreen = false;  // scaled to the screen
    bool masked = false;      // centred on a full-screen mask

    static int heightForWidth(int screenWidth) { return int(qint64(screenWidth) * 480 / 640); }
    // Where the page lies on the display: the whole screen when scaled, centred in the mask
    // when masked, else at the top-left corner.
    QRect pageArea() const;
    static DisplayGeometry from(const ProjectSettings& settings, int screenWidth);
};

// Adapts a record's rectangle to the display (products in 64 bits).
void scaleToDisplay(ElementRecord& record, const DisplayGeometry& geometry);

}  // namespace ztv
