// The main window's commands: their handlers, their rules and the dispatch point.
#include "editor/animation/AnimationMaker.h"
#include "editor/app/CommandTable.h"
#include "editor/app/EditCommands.h"
#include "editor/app/LaunchCommands.h"
#include "editor/app/MainWindow.h"
#include "editor/app/PageCommands.h"
#include "editor/app/ProjectCommands.h"
#include "editor/builder/BuildApplication.h"
#include "editor/dialogs/ProjectFilesDialog.h"
#include "editor/printing/PrintDialog.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QListWidget>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

namespace ztv::editor {

// Every command's handler, in one place: the command classes do the work, the window what is
// its own.
void MainWindow::bindCommands() {
    ProjectCommands& projects = *projects_;
    PageCommands& pages = *pages_;
    EditCommands& edits = *edits_;
    LaunchCommands& launches = *launches_;
    const std::pair<Command, std::function<void()>> handlers[] = {
        {Command::NewProject, [&projects] { projects.newProject(); }},
        {Command::OpenProject, [&projects] { projects.openCommand(); }},
        {Command::Save, [&projects] { projects.saveCommand(); }},
        {Command::SaveAs, [&projects] { projects.saveAsCommand(); }},
        {Command::ToolSettings,
         [this, &projects] {
             projects.toolSettingsCommand();
             focusGrid();
         }},
        {Command::ProjectParameters, [&projects] { projects.parametersCommand(); }},
        {Command::Print, [this] { printCommand(services(), printer()); }},
        {Command::BuildApplication, [this] { buildApplication(services(), *state_.shell); }},
        {Command::Quit, [this] { close(); }},
        {Command::Undo, [&edits] { edits.undo(); }},
        {Command::Copy, [&edits] { edits.copyFamily(Command::Copy); }},
        {Command::Cut, [&edits] { edits.copyFamily(Command::Cut); }},
        {Command::InsertColumn, [&edits] { edits.copyFamily(Command::InsertColumn); }},
        {Command::RemoveColumn, [&edits] { edits.copyFamily(Command::RemoveColumn); }},
        {Command::Paste, [&edits] { edits.paste(false); }},
        {Command::SpecialPaste, [&edits] { edits.paste(true); }},
        {Command::DeleteCells, [&edits] { edits.deleteCommand(Command::DeleteCells); }},
        {Command::DeleteRow, [&edits] { edits.deleteCommand(Command::DeleteRow); }},
        {Command::DeleteColumnCells, [&edits] { edits.deleteCommand(Command::DeleteColumnCells); }},
        {Command::SelectAll, [&edits] { edits.select(Command::SelectAll); }},
        {Command::SelectRow, [&edits] { edits.select(Command::SelectRow); }},
        {Command::SelectColumn, [&edits] { edits.select(Command::SelectColumn); }},
        {Command::CopyPage, [&pages] { pages.copyPage(); }},
        {Command::PastePage, [&pages] { pages.pastePage(); }},
        {Command::ProjectFiles, [this] { projectFilesCommand(services()); }},
        {Command::Keywords, [&projects] { projects.keywordsCommand(); }},
        {Command::NewPage, [&pages] { pages.newPage(); }},
        {Command::ModifyPage, [&pages] { pages.modifyPage(); }},
        {Command::DeletePage, [&pages] { pages.deletePage(); }},
        {Command::Scanner, [&launches] { launches.tools().start(OutsideTool::Scanner); }},
        {Command::DrawPicture, [&launches] { launches.tools().start(OutsideTool::PictureEditor); }},
        {Command::ViewVideo, [&launches] { launches.tools().start(OutsideTool::VideoViewer); }},
        {Command::EditVideo, [&launches] { launches.tools().start(OutsideTool::VideoEditor); }},
        {Command::RecordSound, [&launches] { launches.tools().start(OutsideTool::SoundRecorder); }},
        {Command::TextEditor, [&launches] { launches.tools().start(OutsideTool::TextEditor); }},
        {Command::AnimationMaker, [this] { openAnimationMaker(state_, prompter(), this); }},
        {Command::GridView, [this] { showGridView(); }},
        {Command::PictureListView, [this] { showPictureListView(); }},
        {Command::Play, [&launches] { launches.play(); }},
        {Command::WebPreview, [&launches] { launches.webPreview(); }},
        {Command::Help, [&launches] { launches.help(); }},
        {Command::Tutorial, [&launches] { launches.startTutorial(); }},
        {Command::Questions, [&launches] { launches.questions(); }},
        {Command::About, [&launches] { launches.showAbout(); }},
        {Command::OpenMedia, [&launches] { launches.openMedia(); }},
    };
    for (const auto& [command, handler] : handlers) {
        setCommandHandler(command, handler);
    }
    for (int i = 0; i < 5; ++i) {
        setCommandHandler(recentProjectCommand(i), [&projects, i] { projects.openRecent(i); });
    }
    // Like the documents of the Help menu, the pad file's item shows only what is installed.
    if (!launches.padFile().isEmpty()) {
        setCommandHandler(Command::PadFile, [&launches] { launches.openPadFile(); });
    }
    bindDocument(Command::GeneralInformation, QStringLiteral("readme.txt"));
    bindDocument(Command::History, QStringLiteral("history.txt"));
    bindDocument(Command::VendorInformation, QStringLiteral("vendor.txt"));
    closeSaver_ = [&projects] { return projects.saveNamedOrChoose(); };
    applyCommandRules();
}

// The documents of the Help menu that ship in APPDIR open in the desktop's viewer; an item
// whose document is not installed stays disabled.
void MainWindow::bindDocument(Command command, const QString& fileName) {
    const QString host = state_.paths.asset(fileName);
    if (QFileInfo::exists(host)) {
        setCommandHandler(command,
                          [host] { QDesktopServices::openUrl(QUrl::fromLocalFile(host)); });
    }
}

void MainWindow::runCommand(Command command) {
    const CommandSlot& it = commandSlot(command);
    if (it.handler && it.stateEnabled) {
        it.handler();
    }
}

void MainWindow::setCommandHandler(Command command, std::function<void()> handler) {
    commandSlot(command).handler = std::move(handler);
    refreshCommand(command);
}

void MainWindow::setCommandEnabled(Command command, bool enabled) {
    if (command == Command::Undo) {
        document_.setUndoAvailable(enabled);
        return;
    }
    commandSlot(command).stateEnabled = enabled;
    refreshCommand(command);
}

bool MainWindow::ruleAllows(Command command) const {
    switch (entryOf(command).rule) {
        case EnabledRule::Always:
            return true;
        case EnabledRule::NeedsPage:
            return document_.page() != 0;
        case EnabledRule::ClipboardFilled:
            return document_.page() != 0 && document_.clipboard().hasCopy();
        case EnabledRule::PageCopied:
            return document_.hasPageCopy();
        case EnabledRule::UndoAvailable:
            return document_.undoAvailable();
        case EnabledRule::CellWithDialog: {
            const int row = state_.gridMode ? document_.storyboard().currentRow() : 0;
            return !rowHasDialog_ || row == 0 || rowHasDialog_(row);
        }
    }
    return true;
}

void MainWindow::applyCommandRules() {
    for (std::size_t n = 0; n < kCommandCount; ++n) {
        const Command command = Command(n);
        const EnabledRule rule = entryOf(command).rule;
        if (rule == EnabledRule::Always) {
            continue;
        }
        CommandSlot& slot = commandSlot(command);
        slot.stateEnabled = ruleAllows(command);
        // A cell whose row has no dialog yet says so in the tooltip.
        slot.notAvailableHere = rule == EnabledRule::CellWithDialog && !slot.stateEnabled;
        refreshCommand(command);
    }
}

bool MainWindow::isCommandEnabled(Command command) const {
    const CommandSlot& it = commandSlot(command);
    return it.handler && it.stateEnabled;
}

void MainWindow::refreshCommand(Command name) {
    const CommandSlot& command = commandSlot(name);
    const bool enabled = command.handler && command.stateEnabled;
    // A command whose feature has not landed says so where the user looks: its tooltip.
    const QString notYet = command.handler && !command.notAvailableHere
                               ? QString()
                               : state_.text(lang::NotAvailableYet);
    for (QAction* item : command.items) {
        item->setEnabled(enabled);
        item->setToolTip(notYet.isEmpty() ? withoutMnemonics(item->text()) : notYet);
        item->setStatusTip(notYet);
    }
    // In the picture list view the cell editing buttons stay off.
    const bool viewAllows = state_.gridMode || std::find(kCellEditing.begin(), kCellEditing.end(),
                                                         name) == kCellEditing.end();
    const QString tip = command.hint.isEmpty() || notYet.isEmpty()
                            ? command.hint + notYet
                            : command.hint + QLatin1Char('\n') + notYet;
    for (QToolButton* button : command.buttons) {
        button->setEnabled(enabled && viewAllows);
        button->setToolTip(tip);
    }
}

bool MainWindow::hasCommandHandler(Command command) const {
    return bool(commandSlot(command).handler);
}

QAction* MainWindow::menuItem(const QString& name) const {
    return items_.value(name);
}

QToolButton* MainWindow::toolButton(const QString& name) const {
    return buttons_.value(name);
}

void MainWindow::setCellDialogOpener(CellDialogOpener opener,
                                     std::function<bool(int row)> hasDialog) {
    cellDialog_ = std::move(opener);
    rowHasDialog_ = std::move(hasDialog);
    setCommandHandler(Command::EditCell, [this] { dispatchCellDialog(); });
    setCommandHandler(Command::OpenCell, [this] {
        if (state_.gridMode) {
            const QPoint cell = grid_->focusedCell();
            document_.storyboard().setCurrentCell(cell.x(), cell.y());
            openCell();
        } else {
            openListedCell(list_->currentItem());
        }
    });
    applyCommandRules();
}

void MainWindow::setPositionEditor(PositionEditor editor) {
    positionEditor_ = std::move(editor);
    setCommandHandler(Command::Position, [this] {
        grid_->setFocus();
        positionCommand();
    });
}

}  // namespace ztv::editor
