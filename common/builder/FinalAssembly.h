#pragma once

#include "common/builder/BuildJob.h"

namespace ztv::builder {

// Puts the output folder together: the player with the project's files (or its archives)
// appended as entries, or for a single-file project the one archive N.ztvx; every other file of
// the folder is then deleted (its videos and sounds folders stay). The program is assembled
// under a temporary name and takes its name N last, so that no name of the project can make
// the build delete its own player or a file it still needs.
bool assembleApplication(BuildJob& job);

}  // namespace ztv::builder
