#pragma once

#include "common/platform/Prompter.h"
#include "editor/app/Command.h"
#include "editor/document/StoryboardClipboard.h"

namespace ztv::editor {

class EditorView;
class ProjectDocument;
struct SessionSettings;

// The Edit menu's commands on the storyboard: copy, cut, paste, special paste, delete (cells,
// row, column), insert and remove a column, undo, and the selections. The work is the
// document's clipboard's; this class turns the grid's selection into ranges and shows the
// messages.
class EditCommands {
  public:
    EditCommands(ProjectDocument& document, Prompter& prompter, EditorView& view);

    void copyFamily(Command command);  // copy, cut, insert or remove a column
    void paste(bool special);
    void deleteCommand(Command command);  // the cells, their row or their column
    void undo();
    void select(Command command);  // all, the row or the column

  private:
    // After an edit: the document records it, the picture list shows it, then its message.
    void finish(const EditResult& result);

    ProjectDocument& document_;
    SessionSettings& state_;
    Prompter& prompter_;
    EditorView& view_;
};

}  // namespace ztv::editor
