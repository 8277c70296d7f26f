#include "editor/builder/BuildApplication.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/builder/BuildWindow.h"
#include "editor/builder/BuildWizard.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/widgets/WindowServices.h"

namespace ztv::editor {

namespace {

// Yes saves first, No builds from what was saved last, Cancel stops.
bool savedOrAccepted(const WindowServices& window) {
    SessionSettings& state = window.state;
    if (!state.modified) {
        return true;
    }
    const int answer =
        window.prompter.ask(state.text(lang::SaveBeforeQuit), state.text(lang::MessageBoxCaption),
                            Prompter::Buttons::YesNoCancel);
    if (answer == Prompter::Yes) {
        return window.saveProject();
    }
    return answer == Prompter::No;
}

}  // namespace

void buildApplication(const WindowServices& window, DesktopShell& shell) {
    SessionSettings& state = window.state;
    if (window.storyboard.page() == 0) {
        window.message(lang::NoCurrentPage);
        return;
    }
    if (!savedOrAccepted(window)) {
        return;
    }
    BuildWizard wizard(state, window.prompter, window.window);
    if (runModal(state, wizard) != Prompter::Yes) {
        return;
    }
    BuildWindow build(
        state, window.prompter, shell,
        {state.projectName, state.paths.appDir(), wizard.outputFolder(), wizard.options()},
        window.window);
    runModal(state, build);
    window.focusVisibleView();
}

}  // namespace ztv::editor
