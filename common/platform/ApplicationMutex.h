#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace ztv {

// The named mutex "ApplicationMutex": a lock file held for the life of the process. The editor
// holds the one in its data folder (one editor a working copy) and, while no other editor has
// it, the user's one in the runtime folder, which the screen-saver player takes. nullptr when
// another live process holds it (a stale lock of a dead process is taken over).
std::unique_ptr<QLockFile> takeApplicationMutex(const QString& lockFile);

// The user's mutex, in the runtime folder.
QString userApplicationMutex();

// The user's runtime folder (the temporary folder where there is none): where the user's mutex
// and the editor's channel for projects handed over by a second start live.
QString userRuntimeDir();

}  // namespace ztv
