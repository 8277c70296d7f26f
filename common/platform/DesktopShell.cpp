#include "common/platform/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace ztv {

bool isProgramFile(const QString& hostPath) {
    const QFileInfo info(hostPath);
    return info.isFile() && info.isExecutable();
}

bool SystemShell::open(const QString& hostPath, const QStringList& arguments,
                       const QString& workingDir) {
    if (isProgramFile(hostPath)) {
        return QProcess::startDetached(hostPath, arguments, workingDir);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(hostPath));
}

bool SystemShell::openAddress(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace ztv
