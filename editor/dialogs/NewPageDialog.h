#pragma once

#include "editor/document/PageBook.h"
#include "editor/widgets/TiledDialog.h"

class QLineEdit;
class QPushButton;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// The new page dialog (also the page's renumbering and retitling in modify mode). OK writes
// the page table through the PageBook and closes with 6; a refused value shows its message
// and the dialog stays. Controls: Edit1 (number), Edit2 (title), BitBtn1 (OK), BitBtn2
// (Cancel).
class NewPageDialog : public TiledDialog {
    Q_OBJECT
  public:
    // Compacts the page table and fills the fields: the current page's number and title in
    // modify mode, else the lowest free number.
    NewPageDialog(const SessionSettings& state, Prompter& prompter, PageBook& book, int currentPage,
                  bool modifyMode, QWidget* parent = nullptr);

    // The page created or renumbered, after 6.
    int page() const { return page_; }
    // Modify mode with the current page missing from the table (message 62 already shown).
    bool currentMissing() const { return currentMissing_; }

    void confirm();

  private:
    const SessionSettings& state_;
    Prompter& prompter_;
    PageBook& book_;
    int current_;
    bool modifyMode_;
    bool currentMissing_ = false;
    int page_ = 0;
    QLineEdit* number_ = nullptr;
    QLineEdit* title_ = nullptr;
};

}  // namespace ztv::editor
