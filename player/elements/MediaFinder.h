#pragma once

#include <QString>

namespace ztv {

class DriveTable;

// Where a stored media path is on this machine: on the media drive, on another drive, or
// beneath a project that moved.
class MediaFinder {
  public:
    virtual ~MediaFinder() = default;

    // The drive put in front of drive-less stored paths (`mediaDrive`).
    virtual QString mediaDrive() const = 0;
    // The media drive goes back to C: (elements that look their files up from there again).
    virtual void resetMediaDrive() = 0;
    virtual bool existsWindowsPath(const QString& windowsPath) const = 0;
    // Tries the drive-less path on every known drive A: to Z:; a hit becomes the media drive.
    virtual bool searchDrivesFor(const QString& pathWithoutDrive) = 0;
    // A project moved elsewhere: the stored path's file beneath the project's folder (its
    // longest tail first). The Windows path of the hit, empty when none.
    virtual QString findBesideProject(const QString& storedPath) const = 0;
    virtual const DriveTable& drives() const = 0;

    // The drive-less stored path on the media drive, else on the first drive that has it (which
    // becomes the media drive), else beneath a moved project; empty when it is nowhere.
    QString locateMedia(const QString& pathWithoutDrive);
    QString toHost(const QString& windowsPath) const;
    // What a person reads in a message for a stored or Windows path: its host path.
    QString shownPath(const QString& path) const;
};

}  // namespace ztv
