#include "common/platform/ApplicationMutex.h"

#include <QDir>
#include <QStandardPaths>

namespace ztv {

QString userRuntimeDir() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

QString userApplicationMutex() {
    return QDir(userRuntimeDir()).filePath(QStringLiteral("ApplicationMutex.lock"));
}

std::unique_ptr<QLockFile> takeApplicationMutex(const QString& lockFile) {
    auto lock = std::make_unique<QLockFile>(lockFile);
    // No age limit: only a lock whose process has died (a crash) counts as stale.
    lock->setStaleLockTime(0);
    // Without waiting: a second instance must give up at once.
    if (!lock->tryLock(0)) {
        return nullptr;
    }
    return lock;
}

}  // namespace ztv
