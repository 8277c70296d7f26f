#pragma once

#include "editor/document/StoredPath.h"

class QLineEdit;

namespace ztv::editor {

// A field that names a file shows the host path a person reads, and gives back the stored form.
// Text left as it was shown gives back exactly what was stored, so confirming a dialog never
// rewrites a record's path; typed text is converted (storedPathForTyped).
void showStoredPath(QLineEdit* edit, const QString& stored, const QString& shown);
StoredPath storedPathIn(const QLineEdit* edit, const DriveTable& drives, int capacity = 249);

}  // namespace ztv::editor
