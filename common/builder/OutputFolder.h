#pragma once

#include "common/builder/BuildOptions.h"

#include <QString>

namespace ztv::builder {

inline constexpr int kMaxOutputFolders = 10000;

// The first of projectDir/prefix1 .. prefix10000 that does not exist; empty when every one
// does, so that a build never falls back on the project's own folder.
QString nextOutputFolder(const QString& projectDirHost, const QString& prefix);

// Whether anything has the path, a dangling link too: no folder can be created there.
bool pathTaken(const QString& host);

// Creates the output folder and, for a CD-ROM, its videos and sounds folders.
bool createOutputFolders(const QString& outputHost, const BuildOptions& options);

// Where the build copies videos and sounds.
QString videosFolder(const QString& outputHost, const BuildOptions& options);
QString soundsFolder(const QString& outputHost, const BuildOptions& options);

}  // namespace ztv::builder
