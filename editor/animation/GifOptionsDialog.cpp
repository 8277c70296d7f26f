#include "editor/animation/GifOptionsDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/DialogButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

namespace ztv::editor {

namespace {

// A GIF counts loops and delays in 16 bits, the delays in hundredths of a second.
constexpr int kMaxLoops = 0xFFFF;
constexpr int kMaxDelayMs = 0xFFFF * 10;

QSpinBox* numberEdit(QWidget* parent, const char* name, int value, int maximum, int top) {
    auto* edit = new QSpinBox(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setRange(0, maximum);
    edit->setValue(value);
    edit->setGeometry(170, top, 90, 24);
    return edit;
}

}  // namespace

GifOptionsDialog::GifOptionsDialog(const SessionSettings& state, QWidget* parent)
    : TiledDialog(parent) {
    setObjectName(QStringLiteral("FormGif"));
    setWindowTitle(state.text(lang::GifOptionsCaption));
    setFixedSize(300, 190);
    const GifWriteOptions defaults;
    QGroupBox* group = panelGroup(QString(), QRect(10, 8, 280, 124), this);
    transparent_ = new QCheckBox(state.text(lang::AppearanceCornerClear), group);
    transparent_->setObjectName(QStringLiteral("CheckBox1"));
    transparent_->setGeometry(12, 20, 260, 24);
    transparent_->setChecked(defaults.transparent);
    (new QLabel(state.text(lang::GifLoopCountLabel), group))->setGeometry(12, 54, 150, 24);
    loops_ = numberEdit(group, "Edit1", defaults.loopCount, kMaxLoops, 54);
    (new QLabel(state.text(lang::GifDelayLabel), group))->setGeometry(12, 88, 150, 24);
    delay_ = numberEdit(group, "Edit2", defaults.delayMs, kMaxDelayMs, 88);

    QPushButton* ok =
        dialogButton(this, "BitBtn1", state.text(lang::ButtonOk), QRect(60, 146, 84, 30));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { done(Prompter::Yes); });
    connect(dialogButton(this, "BitBtn2", state.text(lang::ButtonCancel), QRect(156, 146, 84, 30)),
            &QPushButton::clicked, this, &QDialog::reject);
}

GifWriteOptions GifOptionsDialog::options() const {
    return {loops_->value(), delay_->value(), transparent_->isChecked()};
}

}  // namespace ztv::editor
