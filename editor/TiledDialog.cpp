#include "editor/TiledDialog.h"

#include "editor/DialogBackground.h"
#include "editor/EditorState.h"

#include <QPainter>

namespace ztv::editor {

void TiledDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DialogBackground::tile(painter, rect());
}

int runModal(const EditorState& state, QDialog& dialog) {
    return state.dialogRunner ? state.dialogRunner(dialog) : dialog.exec();
}

}  // namespace ztv::editor
