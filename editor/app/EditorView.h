#pragma once

#include "editor/document/StoryboardClipboard.h"

#include <QPoint>

class QWidget;

namespace ztv::editor {

// What the commands need of the editor's window beyond the document: its focus, its two views
// of the storyboard (the grid and the picture list), the grid's selection, and being the
// parent of their dialogs.
class EditorView {
  public:
    virtual ~EditorView() = default;

    virtual QWidget* dialogParent() = 0;
    // Gives the focus to the grid or the picture list, whichever shows.
    virtual void focusVisibleView() = 0;
    virtual void focusGrid() = 0;
    virtual void showGridView() = 0;
    // After an edit: the picture list, when it shows, is rebuilt from the page.
    virtual void refreshPictureList() = 0;
    virtual CellRange selectedRange() const = 0;
    virtual void selectRange(const CellRange& range) = 0;
    // The grid's cell with the keyboard focus.
    virtual QPoint focusedCell() const = 0;
    // Brings the window to the front (a project handed over by a second start).
    virtual void raiseWindow() = 0;
    // Whether a project has been shown yet (the caption names one).
    virtual bool showsProject() const = 0;
};

}  // namespace ztv::editor
