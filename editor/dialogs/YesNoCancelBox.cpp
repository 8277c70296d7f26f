#include "editor/dialogs/YesNoCancelBox.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"

#include <QPushButton>
#include <QTimer>

namespace ztv::editor {

YesNoCancelBox::YesNoCancelBox(const LanguageFile& language, const QString& text, QWidget* parent,
                               Origin origin)
    : MessageDialog(language, text,
                    {{lang::ButtonYes, Prompter::Yes},
                     {lang::ButtonNo, Prompter::No},
                     {lang::ButtonCancel, Prompter::Cancel}},
                    parent),
      origin_(origin) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
    if (origin_ == Unasked) {
        const QList<QPushButton*> buttons = findChildren<QPushButton*>();
        for (QPushButton* button : buttons) {
            button->setDefault(button == buttons.last());
        }
    }
}

void YesNoCancelBox::showEvent(QShowEvent* event) {
    MessageDialog::showEvent(event);
    if (origin_ != Unasked) {
        return;
    }
    const QList<QPushButton*> buttons = findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        button->setEnabled(false);
    }
    QTimer::singleShot(kUnaskedClickDelayMs, this, [buttons] {
        for (QPushButton* button : buttons) {
            button->setEnabled(true);
        }
        buttons.last()->setFocus();
    });
}

}  // namespace ztv::editor
