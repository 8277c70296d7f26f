#pragma once

#include "common/platform/DriveTable.h"

#include <QString>

namespace ztv::editor {

// The drive-less Windows path a record stores for a host file, or why it cannot: the language
// line of the refusal (characters a page file cannot hold, or longer than the field).
struct StoredPath {
    QString path;
    int refusal = 0;  // 0: path is good
};

StoredPath storedPathFor(const DriveTable& drives, const QString& hostPath, int capacity = 249);

}  // namespace ztv::editor
