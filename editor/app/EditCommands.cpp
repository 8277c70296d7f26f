#include "editor/app/EditCommands.h"

#include "editor/app/EditorView.h"
#include "editor/app/LineMessage.h"
#include "editor/dialogs/SpecialPasteDialog.h"
#include "editor/document/ProjectDocument.h"
#include "editor/widgets/BusyCursor.h"

namespace ztv::editor {

EditCommands::EditCommands(ProjectDocument& document, Prompter& prompter, EditorView& view)
    : document_(document), state_(document.state()), prompter_(prompter), view_(view) {}

void EditCommands::copyFamily(Command command) {
    BusyCursor busy;
    view_.focusGrid();
    const CellRange range = view_.selectedRange();
    StoryboardClipboard& clipboard = document_.clipboard();
    if (command == Command::Copy) {
        finish(clipboard.copy(range));
    } else if (command == Command::Cut) {
        finish(clipboard.cut(range));
    } else if (command == Command::InsertColumn) {
        finish(clipboard.insertColumn(range));
    } else {
        finish(clipboard.removeColumn(range));
    }
}

void EditCommands::paste(bool special) {
    PasteGroups groups;
    if (special) {
        SpecialPasteDialog dialog(state_, view_.dialogParent());
        if (runModal(state_, dialog) != Prompter::Yes) {
            return;
        }
        groups = dialog.groups();
    }
    BusyCursor busy;
    finish(document_.clipboard().paste(view_.selectedRange(), groups));
}

void EditCommands::deleteCommand(Command command) {
    CellRange range = view_.selectedRange();
    if (command == Command::DeleteRow) {
        range = {1, range.top, kColumnCount, range.top};
    } else if (command == Command::DeleteColumnCells) {
        range = {range.left, 1, range.left, kRowCount};
    }
    BusyCursor busy;
    finish(document_.clipboard().deleteCells(range));
}

void EditCommands::undo() {
    const EditResult result = document_.undo();
    if (result.changed) {
        view_.refreshPictureList();
        view_.focusGrid();
    }
    if (result.message) {
        showLine(prompter_, state_.language, result.message);
    }
}

void EditCommands::select(Command command) {
    const QPoint cell = view_.focusedCell();
    if (command == Command::SelectAll) {
        view_.selectRange({1, 1, kColumnCount, kRowCount});
    } else if (command == Command::SelectRow && cell.y() > 0) {
        view_.selectRange({1, cell.y(), kColumnCount, cell.y()});
    } else if (command == Command::SelectColumn && cell.x() > 0) {
        view_.selectRange({cell.x(), 1, cell.x(), kRowCount});
    }
}

void EditCommands::finish(const EditResult& result) {
    document_.applyEdit(result);
    if (result.changed) {
        view_.refreshPictureList();
    }
    if (result.message) {
        showLine(prompter_, state_.language, result.message);
    }
}

}  // namespace ztv::editor
