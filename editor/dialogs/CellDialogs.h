#pragma once

#include "editor/dialogs/CellDialogResult.h"

namespace ztv::editor {

struct WindowServices;

// Whether the element kind of a storyboard row has its dialog.
bool rowHasDialog(int row);

// Shows the element dialog of the row's kind for the storyboard's current cell (hasElement: the
// cell holds an element). A row without a dialog shows nothing and leaves the cell as it was.
CellDialogResult showCellDialog(const WindowServices& window, int row, bool hasElement);

}  // namespace ztv::editor
