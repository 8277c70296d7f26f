#pragma once

#include "editor/widgets/TiledDialog.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// The keyword list ("Liste des mots-clés"): the project's keywords with their page and column,
// and the buttons to add, modify and delete one. A deleted keyword keeps its record, emptied.
// Controls: ListBox1 (the list), Label1 (the count), BitBtn1 (new), BitBtn2 (modify), BitBtn3
// (delete), BitBtn4 (close).
class KeywordListDialog : public TiledDialog {
    Q_OBJECT
  public:
    KeywordListDialog(SessionSettings& state, Prompter& prompter, QWidget* parent = nullptr);

    void fillList();
    // A keyword was added, modified or deleted.
    bool changed() const { return changed_; }
    void addKeyword();
    void modifyKeyword();
    // Empties the selected keyword's record.
    void deleteKeyword();

  private:
    int selectedIndex() const;
    void openKeyword(int index);

    SessionSettings& state_;
    Prompter& prompter_;
    QString file_;
    QTreeWidget* list_;
    QLabel* count_;
    QPushButton* modify_;
    QPushButton* remove_;
    bool changed_ = false;
};

}  // namespace ztv::editor
