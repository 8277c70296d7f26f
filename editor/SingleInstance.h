#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace ztv::editor {

// The system-wide "ApplicationMutex": a lock file in the user's runtime folder, held for the
// life of the object. The player's screen-saver mode checks the same lock.
class SingleInstance {
  public:
    static QString lockPath();
    // Takes the lock without waiting; false when another live process holds it.
    bool acquire();
    bool isHeld() const { return lock_ && lock_->isLocked(); }

  private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace ztv::editor
