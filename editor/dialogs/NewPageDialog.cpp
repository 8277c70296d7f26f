#include "editor/dialogs/NewPageDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/HelpPages.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace ztv::editor {

NewPageDialog::NewPageDialog(const SessionSettings& state, Prompter& prompter, PageBook& book,
                             int currentPage, bool modifyMode, QWidget* parent)
    : TiledDialog(parent),
      state_(state),
      prompter_(prompter),
      book_(book),
      current_(currentPage),
      modifyMode_(modifyMode) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(state.text(modifyMode ? lang::ModifyPageCaption : lang::NewPageCaption));
    setFixedSize(420, 190);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(12, 12, 396, 110);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->setStyleSheet(QStringLiteral("QFrame#Panel1 { background: rgb(195,198,200); }"));
    auto* numberLabel = new QLabel(state.text(lang::PageNumberLabel), panel);
    numberLabel->setGeometry(12, 20, 90, 22);
    number_ = new QLineEdit(panel);
    number_->setObjectName(QStringLiteral("Edit1"));
    number_->setGeometry(104, 20, 80, 22);
    number_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,9}"), this));
    auto* titleLabel = new QLabel(state.text(lang::PageTitleLabel), panel);
    titleLabel->setGeometry(12, 62, 90, 22);
    title_ = new QLineEdit(panel);
    title_->setObjectName(QStringLiteral("Edit2"));
    title_->setGeometry(104, 62, 280, 22);
    title_->setMaxLength(200);

    auto addButton = [this](const char* name, int line, int left, int width) {
        return dialogButton(this, name, state_.text(line), QRect(left, 140, width, 30));
    };
    QPushButton* ok = addButton("BitBtn1", lang::ButtonOk, 12, 80);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &NewPageDialog::confirm);
    connect(addButton("BitBtn2", lang::ButtonCancel, 100, 80), &QPushButton::clicked, this,
            &QDialog::reject);
    attachHelp(this, addButton("BitBtn5", lang::ButtonHelp, 188, 80), state_, prompter_,
               {QStringLiteral("page.html"), QStringLiteral("page.html")});
    // The slideshow expert comes with its own command.
    markNotAvailable(addButton("BExpert", lang::SlideshowExpert, 276, 132),
                     state_.text(lang::NotAvailableYet));

    book_.compact();
    if (modifyMode_) {
        if (const auto page = book_.livePage(current_)) {
            number_->setText(QString::number(page->number));
            title_->setText(page->title);
        } else {
            currentMissing_ = true;
            prompter_.message(state_.language.message(lang::CurrentPageNotInTable));
        }
    } else {
        number_->setText(QString::number(book_.lowestFree()));
    }
    title_->setFocus();
}

void NewPageDialog::confirm() {
    int page = 0;
    const int refusal = modifyMode_ ? book_.modify(current_, number_->text(), title_->text(), &page)
                                    : book_.create(number_->text(), title_->text(), &page);
    if (refusal != 0) {
        prompter_.message(state_.language.message(refusal));
        (refusal == lang::PageTitleEmpty ? title_ : number_)->setFocus();
        return;
    }
    page_ = page;
    done(Prompter::Yes);
}

}  // namespace ztv::editor
