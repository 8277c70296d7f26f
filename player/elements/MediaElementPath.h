#pragma once

#include "player/elements/ElementRoles.h"
#include "player/elements/MediaPath.h"

#include <QString>

namespace ztv {

// Where a sound or video element's stored file is played from: where packing put it, or as
// stored when nothing was packed.
inline QString playbackPathOf(const ElementRoles& roles, const QString& fichier, MediaKind kind) {
    return roles.files != nullptr ? roles.files->mediaPlaybackPath(fichier, kind) : fichier;
}

}  // namespace ztv
