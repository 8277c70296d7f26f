// The screens the main window shows once it is up.
#include "editor/app/IntroScreen.h"
#include "editor/app/LaunchCommands.h"
#include "editor/app/MainWindow.h"
#include "editor/dialogs/WelcomeDialog.h"
#include "editor/widgets/TiledDialog.h"

namespace ztv::editor {

void MainWindow::showStartScreens() {
    if (!state_.commandLine.isEmpty()) {
        return;
    }
    if (state_.settings.line(IntroLine) == QStringLiteral("O")) {
        showIntro();
    }
    showWelcome();
}

void MainWindow::showIntro() {
    IntroScreen intro(state_.paths.asset(QStringLiteral("logo.jpg")), this);
    state_.introShown = true;
    runModal(state_, intro);
}

void MainWindow::showWelcome() {
    WelcomeDialog dialog(
        services(), [this] { launches_->startTutorial(); }, this);
    if (runModal(state_, dialog) == WelcomeDialog::QuitResult) {
        quit();
    }
}

}  // namespace ztv::editor
