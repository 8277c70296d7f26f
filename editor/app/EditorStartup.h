#pragma once

#include "common/platform/AppPaths.h"
#include "common/platform/DriveTable.h"
#include "common/platform/Prompter.h"
#include "common/platform/QtLanguage.h"
#include "editor/app/ApplicationTitle.h"
#include "editor/app/MainWindow.h"
#include "editor/document/SessionSettings.h"

#include <QLockFile>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace ztv::editor {

class EditorPrompter;
class IdleHandOver;
class OpenRequestServer;

struct StartOptions {
    AppPaths paths;
    QStringList arguments;                // after the program name
    int screenWidth = 0;                  // 0: the primary screen's work area
    std::optional<DriveTable> drives;     // none: this machine's table
    Prompter* prompter = nullptr;         // none: the editor's own message boxes
    std::shared_ptr<DesktopShell> shell;  // none: the desktop's handlers and QProcess
    std::function<void()> closePreview;   // none: the close request to the player's window
    std::shared_ptr<MediaService> media;  // none: GStreamer
    QString display;                      // none: the display of this session
};

// A running authoring program: the single-instance lock, the editor-wide state and the main
// window, in the order they must be released.
struct EditorSession {
    std::unique_ptr<QLockFile> instance;
    std::unique_ptr<QLockFile> userInstance;  // none while another editor holds it
    std::unique_ptr<QtLanguage> qtLanguage;
    SessionSettings state;
    std::unique_ptr<EditorPrompter> ownPrompter;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<IdleHandOver> handOver;
    std::unique_ptr<OpenRequestServer> openRequests;

    ~EditorSession();
};

// The fixed texts of the two start-up refusals; the first names the display where the editor
// is open, when known.
QString alreadyRunningText(const QString& display = {});
QString languageMissingText();

// Start-up up to a built main window (not yet shown). Null when the program must end: the
// language file is missing (after its message), or another editor holds the working copy; when
// it runs on this display it is handed the project of the command line (handedOver set, no
// message), else, or without a project, or when it does not answer, the message says where it
// runs. A window on another display is never handed anything: its person is not here.
std::unique_ptr<EditorSession> startEditor(StartOptions options, bool* handedOver = nullptr);

// Creates zentrovale.ini in the data folder from APPDIR's template when missing, and reads it
// with at least 15 lines ("$" added).
NumberedLines loadEditorSettings(const AppPaths& paths);

}  // namespace ztv::editor
