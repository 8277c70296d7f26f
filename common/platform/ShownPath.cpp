#include "common/platform/ShownPath.h"

#include "common/platform/WinPath.h"

namespace ztv {

QString shownPath(const DriveTable& drives, const QString& storedOrWindows) {
    if (!storedOrWindows.startsWith(u'\\') && !winpath::hasDrive(storedOrWindows)) {
        return storedOrWindows;
    }
    const QString host = drives.toHost(storedOrWindows);
    return host.isEmpty() ? storedOrWindows : host;
}

}  // namespace ztv
