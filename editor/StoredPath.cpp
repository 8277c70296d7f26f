#include "editor/StoredPath.h"

#include "common/LangLines.h"
#include "common/platform/Cp1252.h"
#include "common/platform/WinPath.h"

#include <QFileInfo>

namespace ztv::editor {

StoredPath storedPathFor(const DriveTable& drives, const QString& hostPath, int capacity) {
    const QString windows = drives.toWindows(QFileInfo(hostPath).absoluteFilePath());
    if (windows.isEmpty() || fromCp1252(toCp1252(windows)) != windows) {
        return {{}, lang::PathNotStorable};
    }
    const QString stored = winpath::withoutDrive(windows);
    if (toCp1252(stored).size() > capacity) {
        return {{}, lang::PathTooLong};
    }
    return {stored, 0};
}

StoredPath storedPathForTyped(const DriveTable& drives, const QString& typed, int capacity) {
    const QString text = typed.trimmed();
    if (text.startsWith(u'/')) {
        return storedPathFor(drives, text, capacity);
    }
    const QString stored = winpath::hasDrive(text) ? winpath::withoutDrive(text) : text;
    if (toCp1252(stored).size() > capacity) {
        return {{}, lang::PathTooLong};
    }
    return {stored, 0};
}

}  // namespace ztv::editor
