#pragma once

namespace ztv::editor {

class MainWindow;

// Whether the element kind of a storyboard row has its dialog.
bool rowHasDialog(int row);

// Shows the element dialog of the row's kind for the storyboard's current cell; 6 when it
// wrote the record, with the cell text left in the editor state.
int showCellDialog(MainWindow& window, int row);

// Makes the main window open the element dialogs.
void installCellDialogs(MainWindow& window);

}  // namespace ztv::editor
