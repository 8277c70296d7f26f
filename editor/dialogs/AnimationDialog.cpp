#include "editor/dialogs/AnimationDialog.h"

#include "common/formats/LangLines.h"
#include "editor/dialogs/DialogControls.h"
#include "editor/dialogs/DisappearanceFollow.h"
#include "editor/document/AnimationFields.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/position/CellRecords.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace ztv::editor {

namespace {

constexpr SpriteDialog::Wording kWording{
    lang::PlaceAnimationCaption, lang::ChangeAnimationCaption,
    lang::AnimationPictureGroup, lang::AnimationDisappearOption,
    lang::AnimationAfterClick,   lang::AnimationJoinBackground,
    lang::StartLeftLabel};

}  // namespace

AnimationDialog::AnimationDialog(SessionSettings& settings, Prompter& prompter,
                                 Storyboard& storyboard, bool hasElement, QWidget* parent)
    : SpriteDialog(settings, prompter, storyboard, hasElement, kWording, parent) {
    setObjectName(QStringLiteral("Formanim"));
    arrival_ = new QWidget(this);
    auto* arrival = new QGridLayout(arrival_);
    arrival->setContentsMargins(0, 0, 0, 0);
    arrivalLeft_ = named(new QLineEdit(arrival_), "Edit7");
    arrivalTop_ = named(new QLineEdit(arrival_), "Edit8");
    arrival->addWidget(new QLabel(text(lang::ArrivalLabel), arrival_), 0, 0, 1, 2);
    arrival->addWidget(new QLabel(text(lang::SecondLeftLabel), arrival_), 1, 0);
    arrival->addWidget(arrivalLeft_, 1, 1);
    arrival->addWidget(new QLabel(text(lang::SecondLeftLabel + 1), arrival_), 2, 0);
    arrival->addWidget(arrivalTop_, 2, 1);
    steps_ = named(new QSpinBox(this), "SpinEdit1");
    steps_->setRange(1, 500);
    steps_->setValue(10);
    kindBox()->addWidget(arrival_, 0, 0, 1, 2);
    kindBox()->addWidget(new QLabel(text(lang::StepsLabel), this), 1, 0);
    kindBox()->addWidget(steps_, 1, 1);
}

QString AnimationDialog::helpPage(bool) const {
    return QStringLiteral("animation.html");
}

void AnimationDialog::setNewDefaults() {
    SpriteDialog::setNewDefaults();
    steps_->setValue(10);
}

void AnimationDialog::showRecord(const ElementRecord& r) {
    const AnimationFields f = animationFieldsOf(r, state_.language);
    showSpriteFields(f);
    arrivalLeft_->setText(f.arrivalLeft);
    arrivalTop_->setText(f.arrivalTop);
    steps_->setValue(f.steps);
}

// The figure arrives where it starts until the author moves the arrival.
void AnimationDialog::onPictureShown() {
    arrivalLeft_->setText(rectText(0));
    arrivalTop_->setText(rectText(1));
}

void AnimationDialog::onOptionChanged() {
    arrival_->setVisible(!disappearChosen());
}

QRect AnimationDialog::proposedDisappearance() {
    return proposedAnimationDisappearance(records_.pageRecords(), row_, column_, state_.language);
}

bool AnimationDialog::fillRecord(ElementRecord& r, QString& cellText) {
    AnimationFields f;
    if (!readSpriteFields(&f)) {
        return false;
    }
    f.arrivalLeft = arrivalLeft_->text();
    f.arrivalTop = arrivalTop_->text();
    f.steps = steps_->value();
    const FieldProblem problem = animationProblem(f, stripWidth());
    if (problem == FieldProblem::NoArrival || problem == FieldProblem::ArrivalNotANumber) {
        bool leftIsANumber = false;
        arrivalLeft_->text().trimmed().toInt(&leftIsANumber);
        QLineEdit* edit =
            problem == FieldProblem::NoArrival || !leftIsANumber ? arrivalLeft_ : arrivalTop_;
        refuse(problem, problem == FieldProblem::NoArrival ? QString() : edit->text());
        edit->setFocus();
        return false;
    }
    if (!refuse(problem)) {
        return false;
    }
    writeAnimationFields(f, state_.language, r);
    cellText = cellTextOf(r);
    return true;
}

void AnimationDialog::afterSave(const ElementRecord& record) {
    followWithDisappearance(records_, prompter_, state_, record, arrivalRect(record));
}

}  // namespace ztv::editor
