#pragma once

#include "common/platform/Prompter.h"
#include "editor/app/Command.h"
#include "editor/app/EditorView.h"
#include "editor/dialogs/CellDialogResult.h"
#include "editor/document/ProjectDocument.h"
#include "editor/document/SessionSettings.h"
#include "editor/storyboard/StoryboardGrid.h"
#include "editor/widgets/WindowServices.h"

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
// so the commands whose features land later stay visibly disabled, and then as its rule in the
// command table says. The window redraws from the project document's signals.
class MainWindow : public QMainWindow, public EditorView {
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
    ProjectDocument& document() { return document_; }
    Storyboard& storyboard() { return document_.storyboard(); }
    StoryboardGrid& grid() { return *grid_; }
    QListWidget& pictureList() { return *list_; }
    QComboBox& pageCombo() { return *comboPage_; }
    Prompter& prompter() { return prompter_; }

    // The dispatch point: runs the command's handler when the command is enabled.
    void runCommand(Command command);
    // Registers what a command does and enables its buttons and items.
    void setCommandHandler(Command command, std::function<void()> handler);
    // Holds a command back or lets it go, beyond its rule (the builder holds its own command
    // while it runs); undo is the document's to say. The command stays disabled while it has
    // no handler.
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
    // Makes the window open the element dialogs and the position editor, and hear when the
    // position editor keeps positions.
    void installCellDialogs();
    // The window as the dialogs and commands below it see it.
    WindowServices services();

    // Project and pages.
    ProjectCommands& projects() { return *projects_; }
    LaunchCommands& launches() { return *launches_; }
    // The preview in the player; closeRunningPreview() ends a running one.
    PreviewLauncher& preview();
    // The printer the listings go to; kept so that its settings last the session.
    QPrinter& printer();
    bool openProject(const QString& projectHost);
    void updateStatus();
    void updateRecentItems();
    // Closes the window without the question whether to quit (the welcome dialog's quit);
    // unsaved work still gets its save question.
    void quit();

    // Without a project on the command line: the intro screen when the settings ask for it,
    // then the welcome dialog, once.
    void showStartScreens();
    void showIntro();
    void showWelcome();

    // EditorView.
    QWidget* dialogParent() override { return this; }
    void focusVisibleView() override;
    void focusGrid() override;
    void showGridView() override;
    void refreshPictureList() override;
    CellRange selectedRange() const override;
    void selectRange(const CellRange& range) override;
    QPoint focusedCell() const override;
    void raiseWindow() override;
    bool showsProject() const override;

    // Storyboard.
    void openCell();  // a double click or Enter on the grid, OpenCell in grid mode
    void positionCommand();
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

    // Shows language line n in the OK box.
    void message(int line);
    void repaintGrid();
    void buildToolbar(QWidget* panel);
    void buildMenus();
    void buildStatusBar();
    void bindCommands();
    void bindDocument(Command command, const QString& fileName);
    void observeDocument();
    // The page list shows the document's live pages, the current one selected (with none
    // current, the first while the project opens, else nothing).
    void fillPageList();
    void selectListedPage(int page);
    void updateCaption();
    // Enables the commands with a rule as the document's state says.
    void applyCommandRules();
    CommandSlot& commandSlot(Command command) { return commands_[std::size_t(command)]; }
    const CommandSlot& commandSlot(Command command) const {
        return commands_[std::size_t(command)];
    }
    void refreshCommand(Command command);
    bool ruleAllows(Command command) const;
    void selectPressedCell(int column, int row, Qt::MouseButton button, QPoint globalPos);
    void openChosenPage();
    void selectListedCell(QListWidgetItem* item);
    void openListedCell(QListWidgetItem* item);
    void dispatchCellDialog();
    // The element dialog of the current cell, or the message that there is none yet.
    void openCellDialog(bool hasElement);
    void setEditingViewEnabled(bool enabled);
    bool confirmQuit();
    bool settleUnsavedWork();
    void closeDown();
    void registerAssociations();

    SessionSettings& state_;
    Prompter& prompter_;
    ProjectDocument document_;
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
