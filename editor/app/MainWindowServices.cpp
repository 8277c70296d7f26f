// What the main window gives the dialogs and commands below it.
#include "editor/app/MainWindow.h"
#include "editor/app/ProjectCommands.h"
#include "editor/dialogs/CellDialogs.h"
#include "editor/position/PositionEditor.h"

#include <QComboBox>

namespace ztv::editor {

WindowServices MainWindow::services() {
    return {state_,
            prompter_,
            document_.storyboard(),
            this,
            [this]() -> QPrinter& { return printer(); },
            [this](int page) { document_.switchToPage(page); },
            [this](bool modified) { document_.setModified(modified); },
            [this] { focusVisibleView(); },
            [this] { return projects_->saveChangesPrompt(); },
            [this] { return projects_->saveNamedOrChoose(); },
            projectFilter(),
            [this](const QString& host) { projects_->openChosenProject(host); },
            [this] { projects_->newProject(); },
            [this] { comboPage_->clear(); }};
}

void MainWindow::installCellDialogs() {
    setCellDialogOpener(
        [this](int row, bool hasElement) { return showCellDialog(services(), row, hasElement); },
        rowHasDialog);
    state_.positionsKept = [this] {
        setCommandEnabled(Command::Undo, true);
        document_.setModified(true);
        repaintGrid();
    };
    setPositionEditor([this](int jouIndex) {
        runPositionEditor(state_, prompter_, document_.storyboard(), jouIndex, false, this);
    });
}

}  // namespace ztv::editor
