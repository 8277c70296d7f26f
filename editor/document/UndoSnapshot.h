#pragma once

#include <QString>

namespace ztv::editor {

class Storyboard;

// The undo snapshot def.cop in the working directory: a byte copy of the current page's .ACT
// file taken before a change. The page stays open (the file is closed for the copy so that
// every write has reached it).
QString undoSnapshotPath(const QString& workingDirHost);
bool takeUndoSnapshot(Storyboard& storyboard, QString* error = nullptr);

}  // namespace ztv::editor
