#pragma once

#include "editor/dialogs/CellEdit.h"

#include <optional>

namespace ztv::editor {

class MainWindow;

// Whether the element kind of a storyboard row has its dialog.
bool rowHasDialog(int row);

// Shows the element dialog of the row's kind for the storyboard's current cell; what it wrote
// when the author pressed OK, nothing when the dialog was cancelled or the row has no dialog.
std::optional<CellEdit> showCellDialog(MainWindow& window, int row, bool hasElement);

// Makes the main window open the element dialogs.
void installCellDialogs(MainWindow& window);

}  // namespace ztv::editor
