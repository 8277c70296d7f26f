#pragma once

#include <QString>

namespace ztv {

// Removes a folder and everything in it, read-only files included. Symbolic links are removed
// as links: nothing they point to is touched.
bool removeTree(const QString& dirHost);

// True when pathHost lies inside dirHost (not dirHost itself), after cleaning both paths.
bool isInsideFolder(const QString& pathHost, const QString& dirHost);

}  // namespace ztv
