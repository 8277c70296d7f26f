#include "editor/dialogs/CellDialogs.h"

#include "common/formats/ElementKinds.h"
#include "editor/app/TSommaire.h"
#include "editor/dialogs/TFormVis.h"
#include "editor/position/PositionEditor.h"

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
    window.state().positionsKept = [&window] {
        window.setCommandEnabled(QStringLiteral("Dfaire1"), true);
        window.setModified(true);
        window.repaintGrid();
    };
    window.setPositionEditor([&window](int jouIndex) {
        runPositionEditor(window.state(), window.prompter(), window.storyboard(), jouIndex, false,
                          &window);
    });
}

}  // namespace ztv::editor
