#pragma once

#include "editor/app/OutsideTools.h"
#include "editor/app/PreviewLauncher.h"

#include <functional>

namespace ztv::editor {

class EditorView;
class ProjectDocument;

// The commands that lead out of the storyboard: the previews in the player, the help pages,
// the tutorial, the about box and the outside programs.
class LaunchCommands {
  public:
    // setUpTools: the tool settings dialog, shown when a tool is not set up yet.
    LaunchCommands(ProjectDocument& document, Prompter& prompter, EditorView& view,
                   std::function<void()> setUpTools);

    PreviewLauncher& preview() { return preview_; }
    OutsideTools& tools() { return tools_; }

    void play();
    void webPreview();
    void help();
    void questions();
    // The pad file of APPDIR in the browser; empty when it is not installed.
    QString padFile() const;
    void openPadFile();
    // Runs tutor/tutor found on the drives, or message 41.
    void startTutorial();
    void showAbout();
    // The outside tool that suits the current cell's row, on its media.
    void openMedia();

  private:
    ProjectDocument& document_;
    SessionSettings& state_;
    Prompter& prompter_;
    EditorView& view_;
    PreviewLauncher preview_;
    OutsideTools tools_;
};

}  // namespace ztv::editor
