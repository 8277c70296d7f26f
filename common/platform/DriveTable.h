#pragma once

#include <QChar>
#include <QMap>
#include <QString>

namespace ztv {

enum class DriveType { Fixed, Network, Cd, Unknown };

// The drive-type words the system compares ("Disque Dur", "Lecteur réseau", "Lecteur CD",
// "Inconnu"); never shown to users.
QString driveTypeText(DriveType type);

// Maps the drive letters of stored Windows paths to host folders.
class DriveTable {
  public:
    struct Drive {
        QString root;  // host folder, no trailing slash except for "/"
        DriveType type = DriveType::Unknown;
    };

    void set(QChar letter, const QString& hostRoot, DriveType type);
    void remove(QChar letter);
    const Drive* drive(QChar letter) const;
    DriveType type(QChar letter) const;
    QString typeText(QChar letter) const { return driveTypeText(type(letter)); }
    QList<QChar> letters() const { return drives_.keys(); }

    // "C:\Home\Ann\a.JPG" to a host path, each component matched without regard to case
    // (exact first). A path without a drive is taken on C:. Empty when the drive is unmapped.
    QString toHost(const QString& windowsPath) const;
    // The drive whose root is the longest prefix of the host path; empty when none.
    QString toWindows(const QString& hostPath) const;
    // A path from outside (command line, dialog, action parameter) is a host path unless it
    // starts with a drive letter and a colon.
    QString outsideToHost(const QString& path) const;
    QString outsideToWindows(const QString& path) const;

    // Whether the Windows path names an existing file or folder.
    bool exists(const QString& windowsPath) const;
    // The first drive "A:" to "Z:" of a known type on which the drive-less path exists (drives
    // of unknown type are never touched); empty when none has it.
    QString firstDriveHolding(const QString& pathWithoutDrive) const;

    // C: is "/"; optical and network mounts get the next free letters from D:; the lines
    // "D=/media/cdrom,cd" of drivesIni (types fixed, network, cd, unknown) override.
    static DriveTable fromMounts(const QString& mountsText, const QString& drivesIniText);
    // The table of this machine: /proc/self/mounts and APPDIR's drives.ini.
    static DriveTable system(const QString& appDirHost);

  private:
    QMap<QChar, Drive> drives_;
};

}  // namespace ztv
