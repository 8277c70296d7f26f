#pragma once

#include "common/platform/DriveTable.h"

#include <QString>

namespace ztv::editor {

struct SessionSettings;

// The drive-less Windows path a record stores for a host file, or why it cannot: the language
// line of the refusal (a character page files cannot hold, no drive, or longer than the field).
struct StoredPath {
    QString path;
    int refusal = 0;  // 0: path is good
};

StoredPath storedPathFor(const DriveTable& drives, const QString& hostPath, int capacity = 249);

// The message that refuses hostPath for the reason storedPathFor gave.
QString refusalMessage(const SessionSettings& state, const StoredPath& stored,
                       const QString& hostPath);

// Every path the project's files or the editor's settings keep is written in Windows-1252: a
// path holding a character it lacks is refused before anything is written. The message names
// the character and the path; empty when the path can be stored.
QString unstorableCharacterMessage(const SessionSettings& state, const QString& hostPath);
// The same for a text typed into a dialog: the message names the character and the text.
QString unstorableTextMessage(const SessionSettings& state, const QString& text);

// What a person typed into a path field, in stored form. A host path ("/home/ann/a.jpg") is
// stored as a chosen file is; a stored path ("\a.jpg") or a Windows path with its drive keeps
// its Windows form without the drive; other text (an address, a page number, a bare name) is
// kept as typed.
StoredPath storedPathForTyped(const DriveTable& drives, const QString& typed, int capacity = 249);

}  // namespace ztv::editor
