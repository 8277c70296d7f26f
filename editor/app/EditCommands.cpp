#include "editor/app/EditCommands.h"

#include "editor/app/MainWindow.h"
#include "editor/dialogs/SpecialPasteDialog.h"
#include "editor/widgets/BusyCursor.h"

namespace ztv::editor {

namespace {

using CommandGroup = std::vector<Command>;
const CommandGroup kCopyFamily{Command::Copy, Command::Cut, Command::InsertColumn,
                               Command::RemoveColumn};
const CommandGroup kDeletes{Command::DeleteCells, Command::DeleteRow, Command::DeleteColumnCells};
const CommandGroup kSelections{Command::SelectAll, Command::SelectRow, Command::SelectColumn};

}  // namespace

EditCommands::EditCommands(MainWindow& window)
    : window_(window), state_(window.state()), clipboard_(window.storyboard(), state_.language) {}

void EditCommands::bind() {
    for (Command command : kCopyFamily) {
        window_.setCommandHandler(command, [this, command] { copyFamily(command); });
    }
    for (Command command : kDeletes) {
        window_.setCommandHandler(command, [this, command] { deleteCommand(command); });
    }
    for (Command command : kSelections) {
        window_.setCommandHandler(command, [this, command] { select(command); });
    }
    window_.setCommandHandler(Command::Paste, [this] { paste(false); });
    window_.setCommandHandler(Command::SpecialPaste, [this] { paste(true); });
    window_.setCommandHandler(Command::Undo, [this] { undo(); });
    refresh();
}

void EditCommands::refresh() {
    const bool page = window_.storyboard().page() != 0;
    for (const CommandGroup* group : {&kCopyFamily, &kDeletes, &kSelections}) {
        for (Command command : *group) {
            window_.setCommandEnabled(command, page);
        }
    }
    window_.setCommandEnabled(Command::Paste, page && clipboard_.hasCopy());
    window_.setCommandEnabled(Command::SpecialPaste, page && clipboard_.hasCopy());
}

CellRange EditCommands::selection() const {
    return window_.grid().selectedRange();
}

void EditCommands::copyFamily(Command command) {
    BusyCursor busy;
    window_.grid().setFocus();
    const CellRange range = selection();
    if (command == Command::Copy) {
        finish(clipboard_.copy(range));
    } else if (command == Command::Cut) {
        finish(clipboard_.cut(range));
    } else if (command == Command::InsertColumn) {
        finish(clipboard_.insertColumn(range));
    } else {
        finish(clipboard_.removeColumn(range));
    }
}

void EditCommands::paste(bool special) {
    PasteGroups groups;
    if (special) {
        SpecialPasteDialog dialog(state_, &window_);
        if (runModal(state_, dialog) != Prompter::Yes) {
            return;
        }
        groups = dialog.groups();
    }
    BusyCursor busy;
    finish(clipboard_.paste(selection(), groups));
}

void EditCommands::deleteCommand(Command command) {
    CellRange range = selection();
    if (command == Command::DeleteRow) {
        range = {1, range.top, kColumnCount, range.top};
    } else if (command == Command::DeleteColumnCells) {
        range = {range.left, 1, range.left, kRowCount};
    }
    BusyCursor busy;
    finish(clipboard_.deleteCells(range));
}

void EditCommands::undo() {
    const EditResult result = clipboard_.undo();
    window_.setCommandEnabled(Command::Undo, false);
    if (result.changed) {
        window_.setModified(true);
        window_.repaintGrid();
        if (!state_.gridMode) {
            window_.rebuildPictureList();
        }
        window_.grid().setFocus();
    }
    if (result.message) {
        window_.message(result.message);
    }
}

void EditCommands::select(Command command) {
    const QPoint cell = window_.grid().focusedCell();
    if (command == Command::SelectAll) {
        window_.grid().selectRange({1, 1, kColumnCount, kRowCount});
    } else if (command == Command::SelectRow && cell.y() > 0) {
        window_.grid().selectRange({1, cell.y(), kColumnCount, cell.y()});
    } else if (command == Command::SelectColumn && cell.x() > 0) {
        window_.grid().selectRange({cell.x(), 1, cell.x(), kRowCount});
    }
}

void EditCommands::finish(const EditResult& result) {
    refresh();
    if (result.changed) {
        window_.setModified(true);
        window_.setCommandEnabled(Command::Undo, true);
        window_.repaintGrid();
        if (!state_.gridMode) {
            window_.rebuildPictureList();
        }
    }
    if (result.message) {
        window_.message(result.message);
    }
}

}  // namespace ztv::editor
