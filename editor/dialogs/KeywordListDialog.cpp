#include "editor/dialogs/KeywordListDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/dialogs/KeywordDialog.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/WorkingCopy.h"
#include "editor/widgets/DialogButton.h"

#include <QFile>
#include <QLabel>
#include <QTreeWidget>

namespace ztv::editor {

KeywordListDialog::KeywordListDialog(SessionSettings& state, Prompter& prompter, QWidget* parent)
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
            &KeywordListDialog::addKeyword);
    modify_ = addButton("BitBtn2", lang::ButtonModify, 50);
    connect(modify_, &QPushButton::clicked, this, &KeywordListDialog::modifyKeyword);
    remove_ = addButton("BitBtn3", lang::ButtonDelete, 88);
    connect(remove_, &QPushButton::clicked, this, &KeywordListDialog::deleteKeyword);
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

void KeywordListDialog::fillList() {
    list_->clear();
    const QList<KeywordEntry> entries = readKeywords(file_);
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

int KeywordListDialog::selectedIndex() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

void KeywordListDialog::openKeyword(int index) {
    KeywordDialog dialog(state_, prompter_, file_, index, this);
    if (runModal(state_, dialog) == Prompter::Yes) {
        changed_ = true;
        fillList();
    }
}

void KeywordListDialog::addKeyword() {
    openKeyword(0);
}

void KeywordListDialog::modifyKeyword() {
    if (const int index = selectedIndex()) {
        openKeyword(index);
    }
}

void KeywordListDialog::deleteKeyword() {
    const int index = selectedIndex();
    QList<KeywordEntry> entries = readKeywords(file_);
    if (index <= 0 || index > entries.size()) {
        return;
    }
    entries[index - 1].keyword.clear();
    if (!keywordtable::write(file_, entries)) {
        prompter_.message(state_.language.message(lang::PageFilesNotWritten));
        return;
    }
    changed_ = true;
    fillList();
}

}  // namespace ztv::editor
