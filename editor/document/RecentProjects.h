#pragma once

#include "common/formats/NumberedLines.h"

namespace ztv::editor {

// Puts path at the head of the recent projects (settings lines 6 to 10): a path already in the
// list moves up, the others move down one place and the last falls off; line 11 (the last
// project) becomes the path too.
void updateRecentList(NumberedLines& settings, const QString& path);

// The one spelling of a project's path: absolute, links and "." / ".." resolved, so that the
// recent list never holds the same project twice.
QString canonicalProjectPath(const QString& host);

}  // namespace ztv::editor
