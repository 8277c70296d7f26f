#include "editor/dialogs/SpecialPasteDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/DialogButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

namespace ztv::editor {

SpecialPasteDialog::SpecialPasteDialog(const SessionSettings& state, QWidget* parent)
    : TiledDialog(parent) {
    setObjectName(QStringLiteral("FormCollSpec"));
    setWindowTitle(state.text(lang::PasteSpecialCaption));
    setFixedSize(460, 230);
    auto* label = new QLabel(state.text(lang::PasteSpecialLabel), this);
    label->setGeometry(12, 10, 436, 22);
    auto* group = new QGroupBox(state.text(lang::PasteOnlyGroup), this);
    group->setGeometry(12, 36, 436, 130);
    group->setStyleSheet(QStringLiteral("QGroupBox { background: rgb(195,198,200); }"));
    const auto addBox = [group](const char* name, const QString& text, int top) {
        auto* box = new QCheckBox(text, group);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(12, top, 412, 24);
        box->setChecked(true);
        return box;
    };
    file_ = addBox("CheckBox1", state.text(lang::PasteFileGroup), 26);
    effect_ = addBox("CheckBox2", state.text(lang::PasteEffectGroup), 58);
    action_ = addBox("CheckBox3", state.text(lang::PasteActionGroup), 90);
    auto* ok = dialogButton(this, "BitBtn1", state.text(lang::ButtonOk), QRect(12, 180, 90, 30));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { done(Prompter::Yes); });
    connect(dialogButton(this, "BitBtn2", state.text(lang::ButtonCancel), QRect(110, 180, 90, 30)),
            &QPushButton::clicked, this, &QDialog::reject);
}

PasteGroups SpecialPasteDialog::groups() const {
    return {file_->isChecked(), effect_->isChecked(), action_->isChecked()};
}

}  // namespace ztv::editor
