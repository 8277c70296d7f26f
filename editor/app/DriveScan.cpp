#include "editor/app/DriveScan.h"

namespace ztv::editor {

DriveScan scanDrives(const DriveTable& drives) {
    DriveScan scan;
    for (char c = 'A'; c <= 'Z' && scan.furtherDrives.size() < 4; ++c) {
        const QChar letter = QLatin1Char(c);
        const QString name = QString(letter) + QLatin1Char(':');
        const DriveType type = drives.type(letter);
        if (type == DriveType::Cd) {
            scan.cdDrive = name;
        }
        if (type != DriveType::Unknown) {
            scan.furtherDrives.append(name);
        }
    }
    return scan;
}

}  // namespace ztv::editor
