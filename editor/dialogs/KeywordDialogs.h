#pragma once

#include "common/formats/KeywordTable.h"
#include "common/formats/PageTable.h"
#include "editor/dialogs/TiledDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// 0 when the keyword can be stored, else the line of the refusal: no keyword (34), no page
// (35), longer than its field holds (150 characters, 100 for page and column), or a page that
// is not a page of the project (the project's pages given; none yet accepts any).
int checkKeyword(const KeywordEntry& entry, const QList<PageEntry>& livePages);

// The keyword dialog ("Nouveau mot-clé" / "Modifier le mot-clé"): the keyword, the page it
// leads to (the button beside it opens the page chooser) and the column. OK checks and writes
// the record (appended, or at its index when modifying) and closes with 6. Controls: Edit1
// (keyword), Edit2 (page), Edit3 (column), BtAct (choose a page), BitBtn1 (OK), BitBtn2
// (Cancel).
class TForm24 : public TiledDialog {
    Q_OBJECT
  public:
    // index 0: a new keyword; otherwise the record to modify.
    TForm24(SessionSettings& state, Prompter& prompter, QString fileHost, int index,
            QWidget* parent = nullptr);
    void BitBtn1Click();

  private:
    SessionSettings& state_;
    Prompter& prompter_;
    QString file_;
    int index_;
    QLineEdit* keyword_;
    QLineEdit* page_;
    QLineEdit* column_;
};

// The keyword list ("Liste des mots-clés"): the project's keywords with their page and column,
// and the buttons to add, modify and delete one. A deleted keyword keeps its record, emptied.
// Controls: ListBox1 (the list), Label1 (the count), BitBtn1 (new), BitBtn2 (modify), BitBtn3
// (delete), BitBtn4 (close).
class TForm23 : public TiledDialog {
    Q_OBJECT
  public:
    TForm23(SessionSettings& state, Prompter& prompter, QWidget* parent = nullptr);

    void fillList();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

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
};

}  // namespace ztv::editor
