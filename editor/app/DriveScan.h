#pragma once

#include "common/platform/DriveTable.h"

#include <QString>
#include <QStringList>

namespace ztv::editor {

// The drives the media look-up tries besides the media drive ("D:" style, no backslash).
struct DriveScan {
    QString cdDrive;            // the last CD drive met before the scan stopped
    QStringList furtherDrives;  // the first four drives of a known type, in letter order
};

// Examines "A" to "Z" in order and stops when the fourth drive of a known type is found.
DriveScan scanDrives(const DriveTable& drives);

}  // namespace ztv::editor
