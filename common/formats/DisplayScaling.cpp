#include "common/formats/DisplayScaling.h"

#include "common/formats/ProjectSettings.h"

#include <limits>

namespace ztv {
namespace {

std::int32_t clampToInt32(qint64 v) {
    return std::int32_t(std::clamp<qint64>(v, std::numeric_limits<std::int32_t>::min(),
                                           std::numeric_limits<std::int32_t>::max()));
}

std::int32_t scale(std::int32_t value, int to, int from) {
    return from > 0 ? clampToInt32(qint64(value) * to / from) : value;
}

}  // namespace

DisplayGeometry DisplayGeometry::from(const ProjectSettings& settings, int screenWidth) {
    DisplayGeometry g;
    g.projectWidth = settings.width();
    g.projectHeight = settings.height();
    g.screenWidth = screenWidth;
    g.screenHeight = heightForWidth(screenWidth);
    g.fullScreen = settings.isFullScreen();
    g.masked = !g.fullScreen && settings.isMaskedOption() && g.projectWidth < screenWidth;
    return g;
}

QRect DisplayGeometry::pageArea() const {
    if (fullScreen) {
        return {0, 0, screenWidth, screenHeight};
    }
    if (masked) {
        return {int((qint64(screenWidth) - projectWidth) / 2),
                int((qint64(screenHeight) - projectHeight) / 2), projectWidth, projectHeight};
    }
    return {0, 0, projectWidth, projectHeight};
}

void scaleToDisplay(ElementRecord& r, const DisplayGeometry& g) {
    if (g.fullScreen) {
        r.Gauche = scale(r.Gauche, g.screenWidth, g.projectWidth);
        r.Largeur = scale(r.Largeur, g.screenWidth, g.projectWidth);
        r.Haut = scale(r.Haut, g.screenHeight, g.projectHeight);
        r.Hauteur = scale(r.Hauteur, g.screenHeight, g.projectHeight);
    } else if (g.masked) {
        // Integer division rounds toward zero, as C++ does.
        r.Gauche = clampToInt32(qint64(r.Gauche) + (qint64(g.screenWidth) - g.projectWidth) / 2);
        r.Haut = clampToInt32(qint64(r.Haut) + (qint64(g.screenHeight) - g.projectHeight) / 2);
    }
}

}  // namespace ztv
