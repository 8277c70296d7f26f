#include "editor/app/EditCommands.h"

#include "editor/app/BusyCursor.h"
#include "editor/app/TSommaire.h"
#include "editor/dialogs/SpecialPasteDialog.h"

namespace ztv::editor {

namespace {

const QStringList kCopyFamily{QStringLiteral("BCopier"), QStringLiteral("BCouper"),
                              QStringLiteral("InsCol"), QStringLiteral("SupprCol2")};
const QStringList kDeletes{QStringLiteral("BSuppr"), QStringLiteral("SupprLig"),
                           QStringLiteral("SupprCol")};
const QStringList kSelections{QStringLiteral("Toutselec1"), QStringLiteral("SelecL"),
                              QStringLiteral("SelecC")};

}  // namespace

EditCommands::EditCommands(TSommaire& window)
    : window_(window), state_(window.state()), clipboard_(window.storyboard(), state_.language) {}

void EditCommands::bind() {
    for (const QString& command : kCopyFamily) {
        window_.setCommandHandler(command, [this, command] { copyFamily(command); });
    }
    for (const QString& command : kDeletes) {
        window_.setCommandHandler(command, [this, command] { deleteCommand(command); });
    }
    for (const QString& command : kSelections) {
        window_.setCommandHandler(command, [this, command] { select(command); });
    }
    window_.setCommandHandler(QStringLiteral("BColler"), [this] { paste(false); });
    window_.setCommandHandler(QStringLiteral("Collspec1"), [this] { paste(true); });
    window_.setCommandHandler(QStringLiteral("Dfaire1"), [this] { undo(); });
    refresh();
}

void EditCommands::refresh() {
    const bool page = window_.storyboard().page() != 0;
    for (const QStringList* group : {&kCopyFamily, &kDeletes, &kSelections}) {
        for (const QString& command : *group) {
            window_.setCommandEnabled(command, page);
        }
    }
    window_.setCommandEnabled(QStringLiteral("BColler"), page && clipboard_.hasCopy());
    window_.setCommandEnabled(QStringLiteral("Collspec1"), page && clipboard_.hasCopy());
}

CellRange EditCommands::selection() const {
    return window_.grid().selectedRange();
}

void EditCommands::copyFamily(const QString& command) {
    BusyCursor busy;
    window_.grid().setFocus();
    const CellRange range = selection();
    if (command == QStringLiteral("BCopier")) {
        finish(clipboard_.copy(range));
    } else if (command == QStringLiteral("BCouper")) {
        finish(clipboard_.cut(range));
    } else if (command == QStringLiteral("InsCol")) {
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

void EditCommands::deleteCommand(const QString& command) {
    CellRange range = selection();
    if (command == QStringLiteral("SupprLig")) {
        range = {1, range.top, kColumnCount, range.top};
    } else if (command == QStringLiteral("SupprCol")) {
        range = {range.left, 1, range.left, kRowCount};
    }
    BusyCursor busy;
    finish(clipboard_.deleteCells(range));
}

void EditCommands::undo() {
    const EditResult result = clipboard_.undo();
    window_.setCommandEnabled(QStringLiteral("Dfaire1"), false);
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

void EditCommands::select(const QString& command) {
    const QPoint cell = window_.grid().focusedCell();
    if (command == QStringLiteral("Toutselec1")) {
        window_.grid().selectRange({1, 1, kColumnCount, kRowCount});
    } else if (command == QStringLiteral("SelecL") && cell.y() > 0) {
        window_.grid().selectRange({1, cell.y(), kColumnCount, cell.y()});
    } else if (command == QStringLiteral("SelecC") && cell.x() > 0) {
        window_.grid().selectRange({cell.x(), 1, cell.x(), kRowCount});
    }
}

void EditCommands::finish(const EditResult& result) {
    refresh();
    if (result.changed) {
        window_.setModified(true);
        window_.setCommandEnabled(QStringLiteral("Dfaire1"), true);
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
