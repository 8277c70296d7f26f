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

// What a person typed into a path field, in stored form. A host path ("/home/ann/a.jpg") is
// stored as a chosen file is; a stored path ("\a.jpg") or a Windows path with its drive keeps
// its Windows form without the drive; other text (an address, a page number, a bare name) is
// kept as typed.
StoredPath storedPathForTyped(const DriveTable& drives, const QString& typed, int capacity = 249);

}  // namespace ztv::editor
