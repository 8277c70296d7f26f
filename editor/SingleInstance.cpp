#include "editor/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace ztv::editor {

QString SingleInstance::lockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
    }
    return QDir(dir).filePath(QStringLiteral("ApplicationMutex.lock"));
}

bool SingleInstance::acquire() {
    lock_ = std::make_unique<QLockFile>(lockPath());
    // No age limit: only a lock whose process has died (a crash) counts as stale.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        lock_.reset();
        return false;
    }
    return true;
}

}  // namespace ztv::editor
