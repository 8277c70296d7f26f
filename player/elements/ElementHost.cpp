#include "player/elements/ElementHost.h"

namespace ztv {

QString ElementHost::locateMedia(const QString& pathWithoutDrive) {
    if (existsWindowsPath(mediaDrive() + pathWithoutDrive) || searchDrivesFor(pathWithoutDrive)) {
        return mediaDrive() + pathWithoutDrive;
    }
    return findBesideProject(pathWithoutDrive);
}

}  // namespace ztv
