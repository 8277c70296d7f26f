#include "player/elements/ElementHost.h"

#include "common/platform/ShownPath.h"

namespace ztv {

QString ElementHost::locateMedia(const QString& pathWithoutDrive) {
    if (existsWindowsPath(mediaDrive() + pathWithoutDrive) || searchDrivesFor(pathWithoutDrive)) {
        return mediaDrive() + pathWithoutDrive;
    }
    return findBesideProject(pathWithoutDrive);
}

QString ElementHost::toHost(const QString& windowsPath) const {
    return drives().toHost(windowsPath);
}

QString ElementHost::shownPath(const QString& path) const {
    return ztv::shownPath(drives(), path);
}

}  // namespace ztv
