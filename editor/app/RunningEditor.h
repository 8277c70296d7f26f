#pragma once

#include <QString>
#include <optional>

namespace ztv::editor {

// Where the editor that holds a working copy runs, kept beside its lock: the display its window
// is on and the local socket it takes handed-over projects on. A start that finds the lock held
// reads it to hand its project over, or to say on which display the editor is open.
struct RunningEditor {
    QString display;
    QString channel;

    // Written atomically: a reader never sees half a record.
    static bool write(const QString& fileHost, const RunningEditor& editor);
    // Nothing when the file is missing or is not such a record.
    static std::optional<RunningEditor> read(const QString& fileHost);
};

// The display this process shows its windows on: the Wayland display, else the X display, else
// the name of Qt's platform (offscreen, a console).
QString currentDisplayName();

}  // namespace ztv::editor
