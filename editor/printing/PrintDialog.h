#pragma once

#include "editor/widgets/TiledDialog.h"

class QPrinter;
class QRadioButton;

namespace ztv::editor {

struct WindowServices;
struct SessionSettings;

// The printing dialog ("Impression"): the listing of this page only (at start) or of every
// page. OK closes with 6. Controls: RadioButton1 (this page), RadioButton2 (all pages),
// BitBtn1 (OK), BitBtn2 (Cancel).
class PrintDialog : public TiledDialog {
    Q_OBJECT
  public:
    explicit PrintDialog(const SessionSettings& state, QWidget* parent = nullptr);
    bool allPages() const;

  private:
    QRadioButton* all_;
};

// Imprimer1: the dialog, then the platform's print dialog on the window's printer, then one
// listing document per page and copy.
void printCommand(const WindowServices& window, QPrinter& printer);

}  // namespace ztv::editor
