#pragma once

#include "editor/app/Command.h"
#include "editor/app/OutsideTools.h"
#include "editor/app/PreviewLauncher.h"

namespace ztv::editor {

class MainWindow;

// The commands that lead out of the storyboard: the previews in the player, the help pages,
// the tutorial, the about box, the outside programs, and the screens shown at start-up.
class LaunchCommands {
  public:
    explicit LaunchCommands(MainWindow& window);

    // Registers Play, WebPreview, Help, Questions, Tutorial, About, PadFile, the outside tools
    // and OpenMedia.
    void bind();

    PreviewLauncher& preview() { return preview_; }
    OutsideTools& tools() { return tools_; }

    // Without a project on the command line: the intro screen when the settings ask for it,
    // then the welcome dialog, once.
    void showStartScreens();
    void showIntro();
    void showWelcome();
    // Runs tutor/tutor found on the drives, or message 41.
    void startTutorial();
    void showAbout();

  private:
    void bindTool(Command command, OutsideTool tool);

    MainWindow& window_;
    PreviewLauncher preview_;
    OutsideTools tools_;
};

}  // namespace ztv::editor
