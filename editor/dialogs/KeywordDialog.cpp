#include "editor/dialogs/KeywordDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/dialogs/PageChooser.h"
#include "editor/document/PageBook.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/HelpPages.h"

#include <QLabel>
#include <QLineEdit>

namespace ztv::editor {

namespace {

constexpr int kKeywordCapacity = 150;
constexpr int kPageCapacity = 100;
constexpr int kEditLength = 149;

}  // namespace

QList<KeywordEntry> readKeywords(const QString& fileHost) {
    return keywordtable::readAll(fileHost).value_or(QList<KeywordEntry>());
}

HelpPage keywordHelp() {
    return {QStringLiteral("motcle.html"), QStringLiteral("keyword.html")};
}

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

KeywordDialog::KeywordDialog(SessionSettings& state, Prompter& prompter, QString fileHost,
                             int index, QWidget* parent)
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
    connect(ok, &QPushButton::clicked, this, &KeywordDialog::save);
    connect(dialogButton(this, "BitBtn2", state.text(lang::ButtonCancel), QRect(110, 140, 90, 30)),
            &QPushButton::clicked, this, &QDialog::reject);
    attachHelp(this,
               dialogButton(this, "BitBtn5", state.text(lang::ButtonHelp), QRect(208, 140, 90, 30)),
               state, prompter, keywordHelp());
    if (index_ > 0) {
        const KeywordEntry entry = readKeywords(file_).value(index_ - 1);
        keyword_->setText(entry.keyword);
        page_->setText(entry.page);
        column_->setText(entry.column);
    }
    keyword_->setFocus();
}

void KeywordDialog::save() {
    const KeywordEntry entry{keyword_->text(), page_->text(), column_->text()};
    if (const int refusal = checkKeyword(entry, PageBook(state_.paths.workingDir()).livePages())) {
        prompter_.message(state_.language.message(refusal));
        (refusal == lang::KeywordEmpty ? keyword_ : page_)->setFocus();
        return;
    }
    QList<KeywordEntry> entries = readKeywords(file_);
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

}  // namespace ztv::editor
