#include "editor/EditorPrompter.h"

#include "common/LangLines.h"
#include "editor/MessageBoxes.h"

#include <QFileDialog>
#include <QMessageBox>

namespace ztv::editor {

int EditorPrompter::ask(const QString& text, const QString& caption, Buttons buttons) {
    if (!caption.isEmpty()) {
        return platformMessage(text, caption, buttons);
    }
    switch (buttons) {
        case Buttons::Ok:
            return TMessOk(language_, text, parent_).exec();
        case Buttons::OkCancel:
            return TFOC(language_, text, parent_).exec();
        case Buttons::YesNoCancel:
            return TFYNC(language_, text, parent_).exec();
        case Buttons::YesNo:
            return TMessBox(language_, text,
                            {{lang::ButtonYes, Prompter::Yes}, {lang::ButtonNo, Prompter::No}},
                            parent_)
                .exec();
    }
    return Cancel;
}

int EditorPrompter::platformMessage(const QString& text, const QString& caption, Buttons buttons) {
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    switch (buttons) {
        case Buttons::Ok:
            break;
        case Buttons::OkCancel:
            standard = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case Buttons::YesNo:
            standard = QMessageBox::Yes | QMessageBox::No;
            break;
        case Buttons::YesNoCancel:
            standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            break;
    }
    switch (QMessageBox::warning(parent_, caption, text, standard)) {
        case QMessageBox::Yes:
            return Yes;
        case QMessageBox::No:
            return No;
        case QMessageBox::Ok:
            return Ok;
        default:
            return Cancel;
    }
}

QString EditorPrompter::openFileName(const QString& caption, const QString& dirHost,
                                     const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, caption, dirHost, filter);
}

QString EditorPrompter::saveFileName(const QString& caption, const QString& dirHost,
                                     const QString& filter) {
    return QFileDialog::getSaveFileName(parent_, caption, dirHost, filter);
}

QString EditorPrompter::folderName(const QString& caption, const QString& dirHost) {
    return QFileDialog::getExistingDirectory(parent_, caption, dirHost);
}

}  // namespace ztv::editor
