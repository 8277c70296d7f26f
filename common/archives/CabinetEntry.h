#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <cstdint>

namespace ztv {

// One file of a cabinet: what to store when writing, what was found when reading.
struct CabinetEntry {
    CabinetEntry() = default;
    explicit CabinetEntry(QString name, QString relPath = {})
        : Name(std::move(name)), RelPath(std::move(relPath)) {}

    QString Name;     // writing: the file's host path; reading: its name inside the archive
    QString RelPath;  // writing: the folder inside the archive, may be empty
    QDateTime time;   // reading: the archive's DOS date and time, local time
    std::int64_t size = 0;
    bool selected = false;
};
using CabinetContents = QList<CabinetEntry>;

// The name an entry is stored under: RelPath, a backslash and the file name of Name, or the
// file name alone without RelPath.
QString cabinetMemberName(const CabinetEntry& entry);

}  // namespace ztv
