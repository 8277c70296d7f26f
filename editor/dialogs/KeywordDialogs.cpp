#include "editor/dialogs/KeywordDialogs.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/app/HelpPages.h"
#include "editor/dialogs/DialogButton.h"
#include "editor/dialogs/PageChooser.h"
#include "editor/document/PageBook.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/WorkingCopy.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace ztv::editor {

namespace {

HelpPage keywordHelp() {
    return {QStringLiteral("motcle.html"), QStringLiteral("keyword.html")};
}

constexpr int kKeywordCapacity = 150;
constexpr int kPageCapacity = 100;
constexpr int kEditLength = 149;

QList<KeywordEntry> readEntries(const QString& fileHost) {
    return keywordtable::readAll(fileHost).value_or(QList<KeywordEntry>());
}

}  // namespace

int checkKeyword(const KeywordEntry& entry, const QList<PageEntry>& livePages) {
    if (entry.keyword.isEmpty()) {
        return lang::KeywordEmpty;
    }
    if (entry.page.isEmpty()) {
        return lang::KeywordPageEmpty;
    }
    if (entry.keyword.size() > kKeywordCapacity || entry.page.size() > kPageCapacity ||
        entry.column.size() > kPageCapacity) {
        return lang::KeywordTooLong;
    }
    const bool known =
        livePages.isEmpty() || std::any_of(livePages.begin(), livePages.end(), [&](const auto& p) {
            return QString::number(p.number) == entry.page.trimmed();
        });
    return known ? 0 : lang::FirstPageMissing;
}

TForm24::TForm24(SessionSettings& state, Prompter& prompter, QString fileHost, int index,
                 QWidget* parent)
    : TiledDialog(parent),
      state_(state),
      prompter_(prompter),
      file_(std::move(fileHost)),
      index_(index) {
    setObjectName(QStringLiteral("Form24"));
    setWindowTitle(state.text(index > 0 ? lang::KeywordEditCaption : lang::KeywordNewCaption));
    setFixedSize(420, 190);
    const auto addField = [this](const char* name, int labelLine, int top) {
        auto* label = new QLabel(state_.text(labelLine), this);
        label->setGeometry(12, top, 110, 22);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setGeometry(126, top, 240, 22);
        edit->setMaxLength(kEditLength);
        return edit;
    };
    keyword_ = addField("Edit1", lang::KeywordLabel, 16);
    page_ = addField("Edit2", lang::KeywordPageLabel, 50);
    column_ = addField("Edit3", lang::KeywordColumnLabel, 84);
    auto* choose = dialogButton(this, "BtAct", QStringLiteral("..."), QRect(372, 50, 32, 22));
    connect(choose, &QPushButton::clicked, this, [this] {
        if (const int page = choosePage(state_, this)) {
            page_->setText(QString::number(page));
        }
    });
    auto* ok = dialogButton(this, "BitBtn1", state.text(lang::ButtonOk), QRect(12, 140, 90, 30));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TForm24::BitBtn1Click);
    connect(dialogButton(this, "BitBtn2", state.text(lang::ButtonCancel), QRect(110, 140, 90, 30)),
            &QPushButton::clicked, this, &QDialog::reject);
    attachHelp(this,
               dialogButton(this, "BitBtn5", state.text(lang::ButtonHelp), QRect(208, 140, 90, 30)),
               state, prompter, keywordHelp());
    if (index_ > 0) {
        const KeywordEntry entry = readEntries(file_).value(index_ - 1);
        keyword_->setText(entry.keyword);
        page_->setText(entry.page);
        column_->setText(entry.column);
    }
    keyword_->setFocus();
}

void TForm24::BitBtn1Click() {
    const KeywordEntry entry{keyword_->text(), page_->text(), column_->text()};
    if (const int refusal = checkKeyword(entry, PageBook(state_.paths.workingDir()).livePages())) {
        prompter_.message(state_.language.message(refusal));
        (refusal == lang::KeywordEmpty ? keyword_ : page_)->setFocus();
        return;
    }
    QList<KeywordEntry> entries = readEntries(file_);
    if (index_ > 0 && index_ <= entries.size()) {
        entries[index_ - 1] = entry;
    } else {
        entries.append(entry);
    }
    QString error;
    if (!keywordtable::write(file_, entries, &error)) {
        qWarning("keywords not written: %s", qPrintable(error));
        prompter_.message(state_.language.message(lang::PageFilesNotWritten));
        return;
    }
    done(Prompter::Yes);
}

TForm23::TForm23(SessionSettings& state, Prompter& prompter, QWidget* parent)
    : TiledDialog(parent),
      state_(state),
      prompter_(prompter),
      file_(workingcopy::keywordsPath(state.paths.workingDir())) {
    setObjectName(QStringLiteral("Form23"));
    setWindowTitle(state.text(lang::KeywordListCaption));
    setFixedSize(470, 330);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->setGeometry(12, 12, 346, 270);
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({state.text(lang::KeywordHeader), state.text(lang::ActionGoToPage),
                            state.text(lang::ActionGoToColumn)});
    list_->setColumnWidth(0, 220);
    list_->setColumnWidth(1, 60);
    list_->setColumnWidth(2, 60);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("Label1"));
    count_->setGeometry(12, 290, 346, 22);
    const auto addButton = [this](const char* name, int line, int top) {
        return dialogButton(this, name, state_.text(line), QRect(368, top, 90, 30));
    };
    connect(addButton("BitBtn1", lang::ButtonNew, 12), &QPushButton::clicked, this,
            &TForm23::BitBtn1Click);
    modify_ = addButton("BitBtn2", lang::ButtonModify, 50);
    connect(modify_, &QPushButton::clicked, this, &TForm23::BitBtn2Click);
    remove_ = addButton("BitBtn3", lang::ButtonDelete, 88);
    connect(remove_, &QPushButton::clicked, this, &TForm23::BitBtn3Click);
    connect(addButton("BitBtn4", lang::ButtonClose, 126), &QPushButton::clicked, this,
            &QDialog::accept);
    attachHelp(this, addButton("BitBtn5", lang::ButtonHelp, 164), state, prompter, keywordHelp());
    if (QFile::exists(file_)) {
        QFile::setPermissions(file_, QFile::permissions(file_) | QFile::WriteOwner);
    } else {
        keywordtable::write(file_, {});
    }
    fillList();
}

void TForm23::fillList() {
    list_->clear();
    const QList<KeywordEntry> entries = readEntries(file_);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].isFree()) {
            continue;
        }
        auto* item =
            new QTreeWidgetItem(list_, {entries[i].keyword, entries[i].page, entries[i].column});
        item->setData(0, Qt::UserRole, int(i + 1));
    }
    const int count = list_->topLevelItemCount();
    count_->setText(QString::number(count) + u' ' +
                    state_.text(count > 0 ? lang::KeywordCountSome : lang::KeywordCountNone));
    modify_->setEnabled(count > 0);
    remove_->setEnabled(count > 0);
    if (count > 0) {
        list_->setCurrentItem(list_->topLevelItem(0));
    }
}

int TForm23::selectedIndex() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

void TForm23::openKeyword(int index) {
    TForm24 dialog(state_, prompter_, file_, index, this);
    if (runModal(state_, dialog) == Prompter::Yes) {
        state_.modified = true;
        fillList();
    }
}

void TForm23::BitBtn1Click() {
    openKeyword(0);
}

void TForm23::BitBtn2Click() {
    if (const int index = selectedIndex()) {
        openKeyword(index);
    }
}

void TForm23::BitBtn3Click() {
    const int index = selectedIndex();
    QList<KeywordEntry> entries = readEntries(file_);
    if (index <= 0 || index > entries.size()) {
        return;
    }
    entries[index - 1].keyword.clear();
    if (!keywordtable::write(file_, entries)) {
        prompter_.message(state_.language.message(lang::PageFilesNotWritten));
        return;
    }
    state_.modified = true;
    fillList();
}

}  // namespace ztv::editor
