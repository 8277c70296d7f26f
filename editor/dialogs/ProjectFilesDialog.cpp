#include "editor/dialogs/ProjectFilesDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "editor/app/BusyCursor.h"
#include "editor/app/HelpPages.h"
#include "editor/app/MainWindow.h"
#include "editor/dialogs/DialogButton.h"
#include "editor/document/ProjectFileList.h"
#include "editor/printing/FileListPrint.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace ztv::editor {

namespace {

constexpr int kListCaption = 562;
constexpr int kPrint = 558;
constexpr int kCopyButton = 559;
constexpr int kPerPage = 560;
constexpr int kWithoutRepetition = 561;
constexpr int kCopyCaption = 510;
constexpr int kCopyAction = 506;

HelpPage filesHelp() {
    return {QStringLiteral("projet.html#copier"), QStringLiteral("project.html#copier")};
}

}  // namespace

TForm28::TForm28(MainWindow& window, QWidget* parent) : TiledDialog(parent), window_(window) {
    const SessionSettings& state = window.state();
    setObjectName(QStringLiteral("Form28"));
    setWindowTitle(state.text(kListCaption));
    setFixedSize(620, 440);
    mode_ = new QComboBox(this);
    mode_->setObjectName(QStringLiteral("ComboBox1"));
    mode_->setGeometry(12, 12, 300, 26);
    mode_->addItems({state.text(kPerPage), state.text(kWithoutRepetition)});
    mode_->setCurrentIndex(int(FileListMode::WithoutRepetition));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->setGeometry(12, 48, 596, 332);
    const auto button = [this](const char* name, int line, int left) {
        return dialogButton(this, name, window_.state().text(line), QRect(left, 394, 140, 32));
    };
    connect(button("BitBtn", kPrint, 12), &QPushButton::clicked, this, &TForm28::print);
    connect(button("BitBtn1", lang::ButtonCancel, 164), &QPushButton::clicked, this,
            &QDialog::reject);
    connect(button("BitBtn2", kCopyButton, 316), &QPushButton::clicked, this, &TForm28::copyFiles);
    attachHelp(this, button("BitBtn3", lang::ButtonHelp, 468), state, window.prompter(),
               filesHelp());
    fill();
    connect(mode_, &QComboBox::currentIndexChanged, this, &TForm28::fill);
}

QStringList TForm28::lines() const {
    QStringList result;
    for (int i = 0; i < list_->count(); ++i) {
        result.append(list_->item(i)->text());
    }
    return result;
}

void TForm28::fill() {
    BusyCursor busy;
    list_->clear();
    list_->addItems(
        listProjectFiles(window_.state(), window_.prompter(), FileListMode(mode_->currentIndex())));
}

void TForm28::print() {
    printFileList(window_.state(), window_.prompter(), this, window_.printer(), lines(),
                  windowTitle() + QStringLiteral(" :     ") + mode_->currentText());
}

void TForm28::copyFiles() {
    TForm1 copy(window_, this);
    if (runModal(window_.state(), copy) == QDialog::Accepted) {
        fill();  // the records now name the copies
    }
}

TForm1::TForm1(MainWindow& window, QWidget* parent) : TiledDialog(parent), window_(window) {
    const SessionSettings& state = window.state();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(state.text(kCopyCaption));
    setFixedSize(520, 250);
    const auto row = [this, &state](const char* name, int labelLine, int top, const QString& text) {
        auto* label = new QLabel(state.text(labelLine), this);
        label->setGeometry(12, top, 200, 24);
        auto* edit = new QLineEdit(text, this);
        edit->setObjectName(QLatin1String(name));
        edit->setGeometry(216, top, 290, 24);
        return edit;
    };
    // Beside the project, where a person looks for it; never at the root of the file system.
    const QString base = QFileInfo(state.projectName).completeBaseName().toUpper();
    target_ =
        row("Edit1", 511, 16, QDir(state.projectDir).filePath(QStringLiteral("MEDIA") + base));
    images_ = row("Edit2", 512, 52, state.text(507));
    sounds_ = row("Edit3", 513, 88, state.text(508));
    videos_ = row("Edit4", 514, 124, state.text(509));
    auto* go = dialogButton(this, "Button1", state.text(kCopyAction), QRect(12, 200, 300, 32));
    connect(go, &QPushButton::clicked, this, [this] {
        copyProjectMedia(window_, folders(), copyFileAtomically);
        accept();
    });
    connect(dialogButton(this, "BitBtn1", state.text(lang::ButtonCancel), QRect(320, 200, 90, 32)),
            &QPushButton::clicked, this, &QDialog::reject);
    attachHelp(this,
               dialogButton(this, "BitBtn2", state.text(lang::ButtonHelp), QRect(416, 200, 90, 32)),
               state, window.prompter(), filesHelp());
}

GatherFolders TForm1::folders() const {
    return {target_->text(), images_->text(), sounds_->text(), videos_->text()};
}

void copyProjectMedia(MainWindow& window, const GatherFolders& folders, const FileCopier& copier) {
    const int current = window.storyboard().page();
    GatherResult result;
    {
        BusyCursor busy;
        window.storyboard().closePage();
        result = gatherMedia(window.state(), window.prompter(), folders, copier);
        if (result.pagesRewritten > 0) {
            window.setModified(true);
        }
        window.switchToPage(current);
    }
    if (result.completed) {
        window.prompter().inform(window.state().text(lang::OperationDone));
    }
}

void projectFilesCommand(MainWindow& window) {
    if (window.storyboard().page() == 0) {
        window.message(lang::NoCurrentPage);
        return;
    }
    if (window.state().isUntitled()) {
        window.message(lang::SaveProjectFirst);
        return;
    }
    TForm28 dialog(window, &window);
    runModal(window.state(), dialog);
}

}  // namespace ztv::editor
