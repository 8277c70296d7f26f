#pragma once

#include <QLockFile>
#include <memory>

namespace ztv {

// The named mutex "ApplicationMutex" shared by the editor and the screen-saver player: a lock
// file in the user's runtime folder, held for the life of the process. nullptr when another
// live process holds it (a stale lock of a dead process is taken over).
std::unique_ptr<QLockFile> takeApplicationMutex();

}  // namespace ztv
