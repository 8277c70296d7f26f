#pragma once

#include "common/platform/DriveTable.h"

#include <QString>

namespace ztv {

// Records keep the system's Windows paths; what a person reads is a host path. Every field,
// list and message that names a file goes through here.

// The host path of a stored path ("\home\ann\a.jpg" on C:) or of a Windows path with its drive
// ("D:\a.jpg"). Text that is no such path (an address, a page number, a bare name) and a path
// on a drive the table does not map are shown as they are.
QString shownPath(const DriveTable& drives, const QString& storedOrWindows);

}  // namespace ztv
