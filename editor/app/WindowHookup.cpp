#include "editor/app/WindowHookup.h"

#include "editor/app/MainWindow.h"
#include "editor/app/ProjectCommands.h"
#include "editor/dialogs/CellDialogs.h"
#include "editor/position/PositionEditor.h"

#include <QComboBox>

namespace ztv::editor {

WindowServices windowServices(MainWindow& window) {
    return {window.state(),
            window.prompter(),
            window.storyboard(),
            &window,
            [&window]() -> QPrinter& { return window.printer(); },
            [&window](int page) { window.switchToPage(page); },
            [&window](bool modified) { window.setModified(modified); },
            [&window] { window.focusVisibleView(); },
            [&window] { return window.projects().saveChangesPrompt(); },
            [&window] { return window.projects().saveNamedOrChoose(); },
            projectFilter(),
            [&window](const QString& host) { window.projects().openChosenProject(host); },
            [&window] { window.projects().newProject(); },
            [&window] { window.pageCombo().clear(); }};
}

void installCellDialogs(MainWindow& window) {
    window.setCellDialogOpener(
        [&window](int row, bool hasElement) {
            return showCellDialog(windowServices(window), row, hasElement);
        },
        rowHasDialog);
    window.state().positionsKept = [&window] {
        window.setCommandEnabled(Command::Undo, true);
        window.setModified(true);
        window.repaintGrid();
    };
    window.setPositionEditor([&window](int jouIndex) {
        runPositionEditor(window.state(), window.prompter(), window.storyboard(), jouIndex, false,
                          &window);
    });
}

}  // namespace ztv::editor
