#pragma once

#include "common/platform/Prompter.h"
#include "editor/app/Command.h"
#include "editor/dialogs/CellDialogResult.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/storyboard/StoryboardGrid.h"

#include <QHash>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPrinter;
class QStackedWidget;
class QToolButton;

namespace ztv::editor {

// The cell editing commands, off in the picture list view.
inline constexpr std::array<Command, 3> kCellEditing{Command::Copy, Command::Cut,
                                                     Command::DeleteCells};

class EditCommands;
class LaunchCommands;
class PageCommands;
class PreviewLauncher;
class ProjectCommands;

// A caption without its mnemonic marks, for tooltips: "&Aide" reads "Aide", "&&" reads "&".
QString withoutMnemonics(const QString& caption);

// The authoring program's main window: toolbar, menus, page list, storyboard grid and picture
// list, status bar. Every toolbar button and menu item runs its Command through one dispatch
// point (runCommand); a command is enabled only once a handler is registered for it,
// so the commands whose features land later stay visibly disabled.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Shows the element dialog of the row's kind for the current cell (hasElement: the cell
    // holds an element); how it closed.
    using CellDialogOpener = std::function<CellDialogResult(int row, bool hasElement)>;
    // Shows the position editor starting at the given .JOU record.
    using PositionEditor = std::function<void(int jouRecordIndex)>;
    // Saves the project when the user answers Yes to saving before closing; true when saved.
    using CloseSaver = std::function<bool()>;

    // Builds the window and runs the start-up steps that need it (working copy, page table,
    // the project named on the command line). The state comes from startEditor().
    MainWindow(SessionSettings& state, Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    SessionSettings& state() { return state_; }
    Storyboard& storyboard() { return storyboard_; }
    StoryboardGrid& grid() { return *grid_; }
    QListWidget& pictureList() { return *list_; }
    QComboBox& pageCombo() { return *comboPage_; }
    Prompter& prompter() { return prompter_; }

    // The dispatch point: runs the command's handler when the command is enabled.
    void runCommand(Command command);
    // Registers what a command does and enables its buttons and items.
    void setCommandHandler(Command command, std::function<void()> handler);
    // The state part of a command's enabled state (undo, paste...); the command stays disabled
    // while it has no handler.
    void setCommandEnabled(Command command, bool enabled);
    bool isCommandEnabled(Command command) const;
    // Whether the command's feature is there (it may still be held back by the state).
    bool hasCommandHandler(Command command) const;
    QAction* menuItem(const QString& name) const;
    QToolButton* toolButton(const QString& name) const;
    QMenu* popupMenu() const { return popup_; }
    // The cell under the last right press, for the popup's commands.
    QPoint popupCell() const { return popupCell_; }

    // hasDialog: whether a row's kind has its dialog yet; the cell commands stay disabled, with
    // a tooltip that says so, while the current cell is on a row without one.
    void setCellDialogOpener(
        CellDialogOpener opener, std::function<bool(int row)> hasDialog = [](int) { return true; });
    void setPositionEditor(PositionEditor editor);
    void setCloseSaver(CloseSaver saver) { closeSaver_ = std::move(saver); }

    // Shows language line n in the OK box.
    void message(int line);

    // Project and pages.
    ProjectCommands& projects() { return *projects_; }
    PageCommands& pages() { return *pages_; }
    EditCommands& edits() { return *edits_; }
    LaunchCommands& launches() { return *launches_; }
    // The preview in the player; closeRunningPreview() ends a running one.
    PreviewLauncher& preview();
    // The printer the listings go to; kept so that its settings last the session.
    QPrinter& printer();
    bool openProject(const QString& projectHost);
    void openPageTable();
    // Fills the page list with the live pages; selects `page`, or with 0 the first page, which
    // becomes current. Nothing selected: no current page.
    void fillPageList(int page);
    static int pageNumberOfEntry(const QString& entry);
    // Clears the grid, fills the page list selecting `page` (0: the first) and makes the
    // selected page current; none when the list is empty.
    void showPage(int page);
    // Makes the page current and shows it (what choosing it in the page list does).
    void switchToPage(int page);
    void updateCaption();
    void updateRecentItems();
    void updateStatus();
    // Writes zentrovale.ini.
    void saveEditorSettings();
    // Sets the modified flag and records, beside the working copy, which project it holds and
    // whether it has unsaved changes (what a start after a crash goes by).
    void setModified(bool modified);
    // Closes the window without the question whether to quit (the welcome dialog's quit);
    // unsaved work still gets its save question.
    void quit();
    // Gives the focus to the grid or the picture list, whichever shows.
    void focusVisibleView();

    // Storyboard.
    // After a change of a cell: modified flag, compaction and .JOU rewrite, repaint.
    bool regeneratePage();
    void repaintGrid();
    void openCell();  // a double click or Enter on the grid, OpenCell in grid mode
    void positionCommand();
    void showGridView();
    void showPictureListView();
    void rebuildPictureList();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct CommandSlot {
        std::function<void()> handler;
        bool stateEnabled = true;
        bool notAvailableHere = false;  // the feature exists, not yet for this cell
        QString hint;                   // the toolbar button's hint
        QList<QAction*> items;
        QList<QToolButton*> buttons;
    };

    void buildToolbar(QWidget* panel);
    void buildMenus();
    void buildStatusBar();
    void bindCommands();
    void bindDocument(Command command, const QString& fileName);
    CommandSlot& commandSlot(Command command) { return commands_[std::size_t(command)]; }
    const CommandSlot& commandSlot(Command command) const {
        return commands_[std::size_t(command)];
    }
    void refreshCommand(Command command);
    void selectPressedCell(int column, int row, Qt::MouseButton button, QPoint globalPos);
    void openChosenPage();
    void selectListedCell(QListWidgetItem* item);
    void openListedCell(QListWidgetItem* item);
    void dispatchCellDialog();
    void refreshCellCommands();
    // The element dialog of the current cell, or the message that there is none yet.
    void openCellDialog(bool hasElement);
    void setEditingViewEnabled(bool enabled);
    bool confirmQuit();
    bool settleUnsavedWork();
    void closeDown();
    void registerAssociations();

    SessionSettings& state_;
    Prompter& prompter_;
    Storyboard storyboard_;
    StoryboardPictures pictures_;
    StoryboardGrid* grid_ = nullptr;
    QListWidget* list_ = nullptr;
    QStackedWidget* views_ = nullptr;
    QComboBox* comboPage_ = nullptr;
    QMenu* popup_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QLabel* statusProject_ = nullptr;
    QLabel* statusPage_ = nullptr;
    QLabel* statusCell_ = nullptr;
    std::array<CommandSlot, kCommandCount> commands_;
    QHash<QString, QAction*> items_;
    QHash<QString, QToolButton*> buttons_;
    QPoint popupCell_;
    CellDialogOpener cellDialog_;
    // Whether the cell the next element dialog opens on holds an element.
    bool cellHasElement_ = false;
    std::function<bool(int row)> rowHasDialog_;
    PositionEditor positionEditor_;
    CloseSaver closeSaver_;
    std::unique_ptr<ProjectCommands> projects_;
    std::unique_ptr<PageCommands> pages_;
    std::unique_ptr<EditCommands> edits_;
    std::unique_ptr<LaunchCommands> launches_;
    std::unique_ptr<QPrinter> printer_;
    bool closing_ = false;
    bool associationsRegistered_ = false;
    bool quitAsked_ = false;
};

}  // namespace ztv::editor
