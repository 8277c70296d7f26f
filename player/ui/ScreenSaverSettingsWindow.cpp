#include "player/ui/ScreenSaverSettingsWindow.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace ztv {

ScreenSaverSettingsWindow::ScreenSaverSettingsWindow(const LanguageFile& language, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QStringLiteral("Screensaver"));
    auto* layout = new QVBoxLayout(this);
    for (int line : {lang::ScreenSaverAbout, lang::ScreenSaverHowToChange}) {
        auto* label = new QLabel(language.text(line), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace ztv
