#pragma once

#include <QDialog>
#include <functional>

class QGroupBox;
class QRect;

namespace ztv::editor {

struct SessionSettings;

// A dialog of the editor: the dialog background picture tiled over its client area.
class TiledDialog : public QDialog {
    Q_OBJECT
  public:
    using QDialog::QDialog;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A group box named "GroupBox1" on the dialog panel colour, framed, its title inside the frame:
// the one group that holds a dialog's controls.
QGroupBox* panelGroup(const QString& title, const QRect& geometry, QWidget* parent);

// The widget paints its background in the dialog panel colour.
void fillWithPanelColour(QWidget* widget);

// Shows a dialog modally through the state's dialog runner (tests fill and press the dialog's
// controls there instead of blocking), or with exec() when none is set. Returns its result.
int runModal(const SessionSettings& state, QDialog& dialog);

}  // namespace ztv::editor
