#pragma once

#include "common/platform/AppPaths.h"
#include "common/platform/DriveTable.h"
#include "common/platform/Prompter.h"
#include "editor/EditorState.h"
#include "editor/SingleInstance.h"
#include "editor/TSommaire.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace ztv::editor {

class EditorPrompter;

struct StartOptions {
    AppPaths paths;
    QStringList arguments;             // after the program name
    int screenWidth = 0;               // 0: the primary screen's work area
    std::optional<DriveTable> drives;  // none: this machine's table
    Prompter* prompter = nullptr;      // none: the editor's own message boxes
};

// A running authoring program: the single-instance lock, the editor-wide state and the main
// window, in the order they must be released.
struct EditorSession {
    SingleInstance instance;
    EditorState state;
    std::unique_ptr<EditorPrompter> ownPrompter;
    std::unique_ptr<TSommaire> window;

    ~EditorSession();
};

// The fixed texts of the two start-up refusals.
QString alreadyRunningText();
QString languageMissingText();
QString applicationTitle();

// Start-up up to a built main window (not yet shown). Null when the program must end: another
// instance runs, or the language file is missing (both after their message).
std::unique_ptr<EditorSession> startEditor(StartOptions options);

// Creates zentrovale.ini in the data folder from APPDIR's template when missing, and reads it
// with at least 15 lines ("$" added).
NumberedLines loadEditorSettings(const AppPaths& paths);

}  // namespace ztv::editor
