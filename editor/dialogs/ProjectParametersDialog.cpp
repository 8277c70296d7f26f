#include "editor/dialogs/ProjectParametersDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/HelpPages.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace ztv::editor {

namespace {

QColor toQColor(std::uint32_t value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

std::uint32_t fromQColor(const QColor& c) {
    return std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) |
           (std::uint32_t(c.blue()) << 16);
}

}  // namespace

ProjectParametersDialog::ProjectParametersDialog(const SessionSettings& state, Prompter& prompter,
                                                 const ProjectParameters& values, Apply apply,
                                                 QWidget* parent)
    : TiledDialog(parent), state_(state), prompter_(prompter), apply_(std::move(apply)) {
    setObjectName(QStringLiteral("FParaProjet"));
    setWindowTitle(state.text(lang::ProjectParametersCaption));
    setFixedSize(440, 330);
    chooseColour_ = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(initial, this);
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    };

    QGroupBox* group = panelGroup(state.text(lang::PropertiesGroup), QRect(12, 12, 416, 262), this);
    group->setAutoFillBackground(true);
    auto addEdit = [group, &state](const char* name, int labelLine, int top, const QString& text) {
        auto* label = new QLabel(state.text(labelLine), group);
        label->setGeometry(12, top, 270, 22);
        auto* edit = new QLineEdit(text, group);
        edit->setObjectName(QLatin1String(name));
        edit->setGeometry(290, top, 110, 22);
        return edit;
    };
    width_ = addEdit("Edit1", lang::BackgroundWidthLabel, 28, values.width);
    height_ = addEdit("Edit2", lang::BackgroundHeightLabel, 60, values.height);
    firstPage_ = addEdit("Edit3", lang::FirstPageLabel, 92, values.firstPage);
    auto addCheck = [group, &state](const char* name, int line, int top, bool on) {
        auto* box = new QCheckBox(state.text(line), group);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(12, top, 270, 22);
        box->setChecked(on);
        return box;
    };
    transparent_ = addCheck("CheckBoxTransp", lang::TransparentProject, 128, values.transparent);
    fullScreen_ = addCheck("CheckPlein", lang::AlwaysFullScreen, 156, values.fullScreen);
    screenSaver_ = addCheck("CheckBox4", lang::ScreenSaverOption, 184, values.screenSaver);
    masked_ = addCheck("CheckCache", lang::ColourMaskLabel, 212, values.masked);
    swatch_ = new QFrame(group);
    swatch_->setObjectName(QStringLiteral("PaintCache"));
    swatch_->setGeometry(290, 212, 60, 22);
    swatch_->setFrameShape(QFrame::Box);
    swatch_->setCursor(Qt::PointingHandCursor);
    swatch_->installEventFilter(this);
    maskColour_ = values.maskColour;
    paintSwatch();

    auto* ok = dialogButton(this, "BitBtn1", state.text(lang::ButtonOk), QRect(12, 288, 90, 30));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ProjectParametersDialog::confirm);
    attachHelp(
        this, dialogButton(this, "BitBtn5", state.text(lang::ButtonHelp), QRect(110, 288, 90, 30)),
        state, prompter,
        {QStringLiteral("projet.html#parametres"), QStringLiteral("project.html#parametres")});
}

ProjectParameters ProjectParametersDialog::values() const {
    ProjectParameters p;
    p.width = width_->text();
    p.height = height_->text();
    p.firstPage = firstPage_->text();
    p.transparent = transparent_->isChecked();
    p.fullScreen = fullScreen_->isChecked();
    p.screenSaver = screenSaver_->isChecked();
    p.masked = masked_->isChecked();
    p.maskColour = maskColour_;
    return p;
}

void ProjectParametersDialog::paintSwatch() {
    swatch_->setStyleSheet(
        QStringLiteral("QFrame { background: %1; }").arg(toQColor(maskColour_).name()));
}

void ProjectParametersDialog::chooseMaskColour() {
    if (const auto chosen = chooseColour_(toQColor(maskColour_))) {
        maskColour_ = fromQColor(*chosen);
        paintSwatch();
    }
}

bool ProjectParametersDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == swatch_ && event->type() == QEvent::MouseButtonRelease) {
        chooseMaskColour();
        return true;
    }
    return TiledDialog::eventFilter(watched, event);
}

void ProjectParametersDialog::confirm() {
    const int refusal = apply_(values());
    if (refusal != 0) {
        prompter_.message(state_.language.message(refusal));
        return;
    }
    done(Prompter::Yes);
}

}  // namespace ztv::editor
