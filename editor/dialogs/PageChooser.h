#pragma once

#include "common/formats/PageTable.h"
#include "editor/widgets/TiledDialog.h"

class QListWidget;

namespace ztv::editor {

struct SessionSettings;

// The page chooser of the element dialogs: the live pages ("number  title", table order), the
// first selected. OK or a double click chooses (result 6); Cancel leaves 0. Controls:
// ListBox1, BitBtn1 (OK), BitBtn2 (Cancel).
class PageChooser : public TiledDialog {
    Q_OBJECT
  public:
    PageChooser(const SessionSettings& state, const QList<PageEntry>& pages,
                QWidget* parent = nullptr);
    int chosenPage() const { return chosen_; }
    void choose();

  private:
    QListWidget* list_ = nullptr;
    int chosen_ = 0;
};

// Shows the chooser over the working copy's pages: the chosen page number, 0 when cancelled.
int choosePage(const SessionSettings& state, QWidget* parent = nullptr);

}  // namespace ztv::editor
