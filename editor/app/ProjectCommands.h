#pragma once

#include "common/platform/Prompter.h"
#include "editor/app/Command.h"
#include "editor/document/ProjectParameters.h"

#include <QString>
#include <functional>

namespace ztv::editor {

class EditorView;
class ProjectDocument;
struct SessionSettings;

// Runs a command through the window's dispatch point (a command that leads to another).
using CommandRunner = std::function<void(Command)>;

// The file chooser's filter of project files.
QString projectFilter();

// The project commands of the main window: open, new, save, save as, the recent projects and
// the save-changes prompt. The files themselves are the working copy's (workingcopy::). A
// command the author cancels, or whose save fails, leaves the open project as it was.
class ProjectCommands {
  public:
    ProjectCommands(ProjectDocument& document, Prompter& prompter, EditorView& view,
                    CommandRunner run);

    // At start-up: work that a crash left in the working copy is offered for recovery (as the
    // project it belongs to, modified); work saved since its last change is cleared without a
    // question. Otherwise the working copy becomes an empty untitled project. True when work
    // was recovered.
    bool takeOverWorkingCopy();
    // Opens the saved project P into the working copy; false when it was abandoned (a path
    // the settings cannot store, a damaged or old-format project, an unreadable container),
    // the previous project then stays open.
    bool openProject(const QString& projectHost);
    // A project the author chose: refused on a CD drive (message 448), else opened.
    bool openChosenProject(const QString& projectHost);
    void newProject(bool askToSave = true);
    void openCommand(bool askToSave = true);
    // A project handed over by a second start of the program (once the window is idle): the
    // window comes to the front and the project opens after the usual save question, asked as
    // an unasked one (Cancel keeps the work).
    void openHandedOver(const QString& projectHost);
    void saveCommand();
    void saveAsCommand();
    void openRecent(int index);  // 0 to 4: settings lines 6 to 10
    // The project parameters and tool settings dialogs.
    void parametersCommand();
    void toolSettingsCommand();
    // The project's keyword list (needs a current page).
    void keywordsCommand();
    // Writes checked parameters into the working settings (never the saved .ini: saving does
    // that) and resizes the backgrounds when the size changed; 0 or a refusal's message line.
    int applyParameters(const ProjectParameters& values);

    // Saves to the current project name; false when nothing was saved.
    bool save();
    // Save as P (".PZV" added when P has no extension): CD refusal, overwrite question.
    bool saveAs(QString projectHost, bool updateRecent = true);
    // The save dialog with the working-directory refusal; empty when cancelled or refused.
    QString chooseSavePath();
    // A named project is saved in place, an untitled one under a chosen path. savedAs receives
    // a path chosen for an untitled project. False when nothing was saved.
    bool saveNamedOrChoose(QString* savedAs = nullptr, bool updateRecent = true);
    // Before new, open and recent projects: true when the command goes on.
    bool saveChangesPrompt(QString* savedAs = nullptr, bool updateRecent = true,
                           Prompter::Buttons buttons = Prompter::Buttons::YesNoCancel);

  private:
    // Where the open and save dialogs start: the project's folder, or the user's documents
    // while the project is untitled (never the application or data folder).
    QString dialogFolder() const;
    bool onCdDrive(const QString& host) const;
    // A project path the settings cannot store: message, true.
    bool refusesPath(const QString& projectHost);

    ProjectDocument& document_;
    SessionSettings& state_;
    Prompter& prompter_;
    EditorView& view_;
    CommandRunner run_;
};

}  // namespace ztv::editor
