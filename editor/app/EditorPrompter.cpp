#include "editor/app/EditorPrompter.h"

#include "common/formats/LangLines.h"
#include "editor/dialogs/OkBox.h"
#include "editor/dialogs/OkCancelBox.h"
#include "editor/dialogs/YesNoCancelBox.h"
#include "player/ui/MessageBoxButtons.h"

#include <QFileDialog>
#include <QMessageBox>

namespace ztv::editor {

int EditorPrompter::ask(const QString& text, const QString& caption, Buttons buttons) {
    if (!caption.isEmpty()) {
        return platformMessage(text, caption, buttons);
    }
    switch (buttons) {
        case Buttons::Ok:
            return OkBox(language_, text, parent_).exec();
        case Buttons::OkCancel:
            return OkCancelBox(language_, text, parent_).exec();
        case Buttons::YesNoCancel:
            return YesNoCancelBox(language_, text, parent_).exec();
        case Buttons::YesNoCancelUnasked:
            return YesNoCancelBox(language_, text, parent_, YesNoCancelBox::Unasked).exec();
        case Buttons::YesNo:
            return MessageDialog(language_, text,
                                 {{lang::ButtonYes, Prompter::Yes}, {lang::ButtonNo, Prompter::No}},
                                 parent_)
                .exec();
    }
    return Cancel;
}

void EditorPrompter::inform(const QString& text, const QString& caption) {
    if (caption.isEmpty()) {
        OkBox(language_, text, parent_, MessageSign::Information).exec();
    } else {
        QMessageBox::information(parent_, caption, text);
    }
}

int EditorPrompter::platformMessage(const QString& text, const QString& caption, Buttons buttons) {
    return messagebox::answerOf(
        QMessageBox::warning(parent_, caption, text, messagebox::standardButtons(buttons)));
}

QString EditorPrompter::openFileName(const QString& caption, const QString& dirHost,
                                     const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, caption, dirHost, filter);
}

QStringList EditorPrompter::openFileNames(const QString& caption, const QString& dirHost,
                                          const QString& filter) {
    return QFileDialog::getOpenFileNames(parent_, caption, dirHost, filter);
}

QString EditorPrompter::saveFileName(const QString& caption, const QString& dirHost,
                                     const QString& filter) {
    return QFileDialog::getSaveFileName(parent_, caption, dirHost, filter);
}

QString EditorPrompter::folderName(const QString& caption, const QString& dirHost) {
    return QFileDialog::getExistingDirectory(parent_, caption, dirHost);
}

}  // namespace ztv::editor
