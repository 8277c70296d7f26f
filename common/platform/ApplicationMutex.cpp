#include "common/platform/ApplicationMutex.h"

#include <QDir>
#include <QStandardPaths>

namespace ztv {

std::unique_ptr<QLockFile> takeApplicationMutex() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    auto lock =
        std::make_unique<QLockFile>(QDir(dir).filePath(QStringLiteral("ApplicationMutex.lock")));
    // Without waiting: a second instance must give up at once.
    if (!lock->tryLock(0)) {
        return nullptr;
    }
    return lock;
}

}  // namespace ztv
