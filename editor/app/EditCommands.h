#pragma once

#include "editor/app/Command.h"
#include "editor/document/StoryboardClipboard.h"

#include <QString>

namespace ztv::editor {

class MainWindow;
struct SessionSettings;

// The Edit menu's commands on the storyboard: copy, cut, paste, special paste, delete (cells,
// row, column), insert and remove a column, undo, and the selections. The work is the
// StoryboardClipboard's; this class turns the grid's selection into ranges, shows the messages
// and keeps the commands enabled only where they can act.
class EditCommands {
  public:
    explicit EditCommands(MainWindow& window);

    void bind();
    // Enables the commands for the current page and the clipboard's state.
    void refresh();

    void copyFamily(Command command);  // copy, cut, insert or remove a column
    void paste(bool special);
    void deleteCommand(Command command);  // the cells, their row or their column
    void undo();
    void select(Command command);  // all, the row or the column

    StoryboardClipboard& clipboard() { return clipboard_; }

  private:
    CellRange selection() const;
    // After an edit: a changed page is modified and can be undone; the views show it, then the
    // edit's message.
    void finish(const EditResult& result);

    MainWindow& window_;
    SessionSettings& state_;
    StoryboardClipboard clipboard_;
};

}  // namespace ztv::editor
