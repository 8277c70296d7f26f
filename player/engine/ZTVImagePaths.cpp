// Stored paths: the drive table turns the system's Windows paths into host paths.
#include "common/formats/MovedMedia.h"
#include "common/platform/WinPath.h"
#include "player/engine/ZTVImage.h"

#include <QFileInfo>

namespace ztv {

QString TZTVImage::playbackDirectory() const {
    return Chemin + u'\\' + playbackName;
}

QString TZTVImage::playbackDirectoryHost() const {
    return Chemin.isEmpty() ? QString() : toHost(playbackDirectory());
}

QString TZTVImage::pageFileHost(int page) const {
    if (pageFiles_) {
        pageFiles_->ensure(page);
    }
    return toHost(playbackDirectory() + u'\\' + QString::number(page) + QStringLiteral(".JOU"));
}

bool TZTVImage::existsWin(const QString& windowsPath) const {
    const QString host = toHost(windowsPath);
    return !host.isEmpty() && QFileInfo::exists(host);
}

QString TZTVImage::ExistenceFichier(const QString& windowsPath) {
    if (existsWin(windowsPath)) {
        return windowsPath;
    }
    const QString rest =
        winpath::hasDrive(windowsPath) ? winpath::withoutDrive(windowsPath) : windowsPath;
    if (existsWin(mediaDrive_ + rest) || searchDrivesFor(rest)) {
        return mediaDrive_ + rest;
    }
    const QString moved = findBesideProject(rest);
    return moved.isEmpty() ? QStringLiteral("0") : moved;
}

QString TZTVImage::findBesideProject(const QString& storedPath) const {
    const QString project = projectPath.isEmpty() ? workingCopyOrigin : projectPath;
    const QString projectHost = project.isEmpty() ? QString() : toHost(project);
    if (projectHost.isEmpty()) {
        return {};
    }
    const QString found = ztv::findBesideProject(storedPath, QFileInfo(projectHost).absolutePath());
    return found.isEmpty() ? QString() : env_.drives.toWindows(found);
}

bool TZTVImage::searchDrivesFor(const QString& pathWithoutDrive) {
    const QString drive = env_.drives.firstDriveHolding(pathWithoutDrive);
    if (drive.isEmpty()) {
        return false;
    }
    mediaDrive_ = drive;
    return true;
}

}  // namespace ztv
