#pragma once

#include <QString>
#include <optional>

namespace ztv::editor {

// Which project the working copy belongs to and whether it holds changes not saved yet, kept
// beside the working directory so that a start after a crash knows what it finds there.
struct WorkingCopyOwner {
    QString project;  // host path of the saved project; empty while untitled
    bool modified = false;

    // Written atomically: a crash mid-write leaves the previous record.
    static bool write(const QString& fileHost, const WorkingCopyOwner& owner);
    // Nothing when the file is missing or is not such a record.
    static std::optional<WorkingCopyOwner> read(const QString& fileHost);
};

}  // namespace ztv::editor
