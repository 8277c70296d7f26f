#pragma once

#include <QDialog>
#include <functional>

namespace ztv::editor {

struct EditorState;

// A dialog of the editor: the dialog background picture tiled over its client area.
class TiledDialog : public QDialog {
    Q_OBJECT
  public:
    using QDialog::QDialog;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Shows a dialog modally through the state's dialog runner (tests fill and press the dialog's
// controls there instead of blocking), or with exec() when none is set. Returns its result.
int runModal(const EditorState& state, QDialog& dialog);

}  // namespace ztv::editor
