#pragma once

#include <QString>
#include <functional>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// Where the media go: the target folder (as typed: a host path, relative to the project's
// folder, or a Windows path with its drive) and the names of its three subfolders.
struct GatherFolders {
    QString target;
    QString images;
    QString sounds;
    QString videos;
};

// Copies one file to a new file, whole or not at all.
using FileCopier =
    std::function<bool(const QString& fromHost, const QString& toHost, QString* error)>;

struct GatherResult {
    bool completed = false;  // false: stopped by a failure, already reported
    int pagesRewritten = 0;
};

// "Copier les fichiers et changer les chemins": gathers the media of every live page whose .jou
// file is in the working copy into the target tree (sounds, videos, and the pictures of each
// page in their own folder) and points the records at the copies; each changed page's .jou is
// then copied over its .act, both replaced together. A record never ends up naming a different
// file: a file of the same name with other bytes makes the copy take the next free name. A
// failure stops the work with a message; the pages already rewritten stay whole. The storyboard
// must not hold a page file open meanwhile.
GatherResult gatherMedia(SessionSettings& state, Prompter& prompter, const GatherFolders& folders,
                         const FileCopier& copier);

}  // namespace ztv::editor
