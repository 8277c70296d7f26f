#include "editor/dialogs/PageChooser.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/PageBook.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/DialogButton.h"

#include <QListWidget>

namespace ztv::editor {

PageChooser::PageChooser(const SessionSettings& state, const QList<PageEntry>& pages,
                         QWidget* parent)
    : TiledDialog(parent) {
    setObjectName(QStringLiteral("Formpage"));
    setWindowTitle(state.text(lang::PageChooserCaption));
    setFixedSize(320, 300);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->setGeometry(12, 12, 296, 230);
    for (const PageEntry& page : pages) {
        list_->addItem(PageBook::entryText(page));
    }
    if (list_->count() > 0) {
        list_->setCurrentRow(0);
    }
    connect(list_, &QListWidget::itemDoubleClicked, this, &PageChooser::choose);
    auto* ok = dialogButton(this, "BitBtn1", state.text(lang::ButtonOk), QRect(12, 256, 90, 30));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PageChooser::choose);
    auto* cancel =
        dialogButton(this, "BitBtn2", state.text(lang::ButtonCancel), QRect(110, 256, 90, 30));
    connect(cancel, &QPushButton::clicked, this, [this] {
        chosen_ = 0;
        done(0);
    });
}

void PageChooser::choose() {
    if (const QListWidgetItem* item = list_->currentItem()) {
        chosen_ = PageBook::numberOfEntry(item->text());
        done(Prompter::Yes);
    }
}

int choosePage(const SessionSettings& state, QWidget* parent) {
    PageChooser chooser(state, PageBook(state.paths.workingDir()).livePages(), parent);
    return runModal(state, chooser) == Prompter::Yes ? chooser.chosenPage() : 0;
}

}  // namespace ztv::editor
