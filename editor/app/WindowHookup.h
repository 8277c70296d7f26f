#pragma once

#include "editor/widgets/WindowServices.h"

namespace ztv::editor {

class MainWindow;

// The main window as the dialogs and commands below it see it.
WindowServices windowServices(MainWindow& window);

// Makes the main window open the element dialogs and the position editor, and hear when the
// position editor keeps positions.
void installCellDialogs(MainWindow& window);

}  // namespace ztv::editor
