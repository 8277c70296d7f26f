#include "player/elements/MediaFinder.h"

#include "common/platform/ShownPath.h"

namespace ztv {

QString MediaFinder::locateMedia(const QString& pathWithoutDrive) {
    if (existsWindowsPath(mediaDrive() + pathWithoutDrive) || searchDrivesFor(pathWithoutDrive)) {
        return mediaDrive() + pathWithoutDrive;
    }
    return findBesideProject(pathWithoutDrive);
}

QString MediaFinder::toHost(const QString& windowsPath) const {
    return drives().toHost(windowsPath);
}

QString MediaFinder::shownPath(const QString& path) const {
    return ztv::shownPath(drives(), path);
}

}  // namespace ztv
