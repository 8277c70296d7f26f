#include "editor/document/UndoSnapshot.h"

#include "common/platform/FileIo.h"
#include "editor/document/Storyboard.h"

#include <QDir>

namespace ztv::editor {

QString undoSnapshotPath(const QString& workingDirHost) {
    return QDir(workingDirHost).filePath(QStringLiteral("def.cop"));
}

bool takeUndoSnapshot(Storyboard& storyboard, QString* error) {
    const int page = storyboard.page();
    if (page == 0) {
        return false;
    }
    storyboard.closePage();
    const bool copied = copyFileAtomically(
        storyboard.pageFilePath(storyboard.workingDir(), page, QStringLiteral(".ACT")),
        undoSnapshotPath(storyboard.workingDir()), error);
    return storyboard.openPage(page, error) && copied;
}

}  // namespace ztv::editor
