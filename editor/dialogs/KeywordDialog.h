#pragma once

#include "common/formats/KeywordTable.h"
#include "common/formats/PageTable.h"
#include "editor/widgets/HelpPages.h"
#include "editor/widgets/TiledDialog.h"

class QLineEdit;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// 0 when the keyword can be stored, else the line of the refusal: no keyword (34), no page
// (35), longer than its field holds (150 characters, 100 for page and column), or a page that
// is not a page of the project (the project's pages given; none yet accepts any).
int checkKeyword(const KeywordEntry& entry, const QList<PageEntry>& livePages);
// The keywords of the table, free records included; none when it cannot be read.
QList<KeywordEntry> readKeywords(const QString& fileHost);
HelpPage keywordHelp();

// The keyword dialog ("Nouveau mot-clé" / "Modifier le mot-clé"): the keyword, the page it
// leads to (the button beside it opens the page chooser) and the column. OK checks and writes
// the record (appended, or at its index when modifying) and closes with 6. Controls: Edit1
// (keyword), Edit2 (page), Edit3 (column), BtAct (choose a page), BitBtn1 (OK), BitBtn2
// (Cancel).
class KeywordDialog : public TiledDialog {
    Q_OBJECT
  public:
    // index 0: a new keyword; otherwise the record to modify.
    KeywordDialog(SessionSettings& state, Prompter& prompter, QString fileHost, int index,
                  QWidget* parent = nullptr);
    // OK: checks the fields and writes the record.
    void save();

  private:
    SessionSettings& state_;
    Prompter& prompter_;
    QString file_;
    int index_;
    QLineEdit* keyword_;
    QLineEdit* page_;
    QLineEdit* column_;
};

}  // namespace ztv::editor
