#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace ztv {

// The named mutex "ApplicationMutex" shared by the editor and the screen-saver player: a lock
// file in the user's runtime folder, held for the life of the process. nullptr when another
// live process holds it (a stale lock of a dead process is taken over).
std::unique_ptr<QLockFile> takeApplicationMutex();

// The user's runtime folder (the temporary folder where there is none): where the mutex and the
// editor's channel for projects handed over by a second start live.
QString userRuntimeDir();

}  // namespace ztv
