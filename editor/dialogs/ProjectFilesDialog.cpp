#include "editor/dialogs/ProjectFilesDialog.h"

#include "editor/dialogs/MediaCopyDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/ProjectFileList.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/printing/FileListPrint.h"
#include "editor/widgets/BusyCursor.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/HelpPages.h"

#include <QComboBox>
#include <QListWidget>

namespace ztv::editor {

ProjectFilesDialog::ProjectFilesDialog(const WindowServices& window, QWidget* parent)
    : TiledDialog(parent), window_(window) {
    const SessionSettings& state = window.state;
    setObjectName(QStringLiteral("Form28"));
    setWindowTitle(state.text(lang::ProjectFilesCaption));
    setFixedSize(620, 440);
    mode_ = new QComboBox(this);
    mode_->setObjectName(QStringLiteral("ComboBox1"));
    mode_->setGeometry(12, 12, 300, 26);
    mode_->addItems({state.text(lang::FilesPerPage), state.text(lang::FilesWithoutRepetition)});
    mode_->setCurrentIndex(int(FileListMode::WithoutRepetition));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->setGeometry(12, 48, 596, 332);
    const auto button = [this](const char* name, int line, int left) {
        return dialogButton(this, name, window_.state.text(line), QRect(left, 394, 140, 32));
    };
    connect(button("BitBtn", lang::ButtonPrint, 12), &QPushButton::clicked, this,
            &ProjectFilesDialog::print);
    connect(button("BitBtn1", lang::ButtonCancel, 164), &QPushButton::clicked, this,
            &QDialog::reject);
    connect(button("BitBtn2", lang::CopyFilesButton, 316), &QPushButton::clicked, this,
            &ProjectFilesDialog::copyFiles);
    attachHelp(this, button("BitBtn3", lang::ButtonHelp, 468), state, window.prompter,
               projectFilesHelp());
    fill();
    connect(mode_, &QComboBox::currentIndexChanged, this, &ProjectFilesDialog::fill);
}

QStringList ProjectFilesDialog::lines() const {
    QStringList result;
    for (int i = 0; i < list_->count(); ++i) {
        result.append(list_->item(i)->text());
    }
    return result;
}

void ProjectFilesDialog::fill() {
    BusyCursor busy;
    list_->clear();
    list_->addItems(
        listProjectFiles(window_.state, window_.prompter, FileListMode(mode_->currentIndex())));
}

void ProjectFilesDialog::print() {
    printFileList(window_.state, window_.prompter, this, window_.printer(), lines(),
                  windowTitle() + QStringLiteral(" :     ") + mode_->currentText());
}

void ProjectFilesDialog::copyFiles() {
    MediaCopyDialog copy(window_, this);
    if (runModal(window_.state, copy) == QDialog::Accepted) {
        fill();  // the records now name the copies
    }
}

void projectFilesCommand(const WindowServices& window) {
    if (window.storyboard.page() == 0) {
        window.message(lang::NoCurrentPage);
        return;
    }
    if (window.state.isUntitled()) {
        window.message(lang::SaveProjectFirst);
        return;
    }
    ProjectFilesDialog dialog(window, window.window);
    runModal(window.state, dialog);
}

}  // namespace ztv::editor
