#include "editor/dialogs/MediaCopyDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/widgets/BusyCursor.h"
#include "editor/widgets/DialogButton.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace ztv::editor {

HelpPage projectFilesHelp() {
    return {QStringLiteral("projet.html#copier"), QStringLiteral("project.html#copier")};
}

MediaCopyDialog::MediaCopyDialog(const WindowServices& window, QWidget* parent)
    : TiledDialog(parent), window_(window) {
    const SessionSettings& state = window.state;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(state.text(lang::CopyFilesCaption));
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
    target_ = row("Edit1", lang::CopyTargetLabel, 16,
                  QDir(state.projectDir).filePath(QStringLiteral("MEDIA") + base));
    images_ = row("Edit2", lang::PicturesFolderLabel, 52, state.text(lang::PicturesFolderName));
    sounds_ = row("Edit3", lang::SoundsFolderLabel, 88, state.text(lang::SoundsFolderName));
    videos_ = row("Edit4", lang::VideosFolderLabel, 124, state.text(lang::VideosFolderName));
    auto* go =
        dialogButton(this, "Button1", state.text(lang::CopyFilesAction), QRect(12, 200, 300, 32));
    connect(go, &QPushButton::clicked, this, [this] {
        copyProjectMedia(window_, folders(), copyFileAtomically);
        accept();
    });
    connect(dialogButton(this, "BitBtn1", state.text(lang::ButtonCancel), QRect(320, 200, 90, 32)),
            &QPushButton::clicked, this, &QDialog::reject);
    attachHelp(this,
               dialogButton(this, "BitBtn2", state.text(lang::ButtonHelp), QRect(416, 200, 90, 32)),
               state, window.prompter, projectFilesHelp());
}

GatherFolders MediaCopyDialog::folders() const {
    return {target_->text(), images_->text(), sounds_->text(), videos_->text()};
}

void copyProjectMedia(const WindowServices& window, const GatherFolders& folders,
                      const FileCopier& copier) {
    const int current = window.storyboard.page();
    GatherResult result;
    {
        BusyCursor busy;
        window.storyboard.closePage();
        result = gatherMedia(window.state, window.prompter, folders, copier);
        if (result.pagesRewritten > 0) {
            window.setModified(true);
        }
        window.switchToPage(current);
    }
    if (result.completed) {
        window.prompter.inform(window.state.text(lang::OperationDone));
    }
}

}  // namespace ztv::editor
