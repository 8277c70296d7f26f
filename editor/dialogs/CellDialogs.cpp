#include "editor/dialogs/CellDialogs.h"

#include "common/ElementKinds.h"
#include "editor/TSommaire.h"
#include "editor/dialogs/TFormVis.h"

namespace ztv::editor {

bool rowHasDialog(int row) {
    const ElementKind kind = kindOfRow(row);
    return kind == ElementKind::Background || kind == ElementKind::Picture;
}

int showCellDialog(TSommaire& window, int row) {
    if (!rowHasDialog(row)) {
        return 0;
    }
    TFormVis dialog(window.state(), window.prompter(), window.storyboard(), &window);
    return runModal(window.state(), dialog);
}

void installCellDialogs(TSommaire& window) {
    window.setCellDialogOpener([&window](int row) { return showCellDialog(window, row); },
                               rowHasDialog);
}

}  // namespace ztv::editor
