#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "common/platform/ShownPath.h"
#include "editor/dialogs/PathField.h"
#include "editor/dialogs/TextDialog.h"
#include "editor/document/RecordGeometry.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/widgets/ComboLists.h"
#include "editor/widgets/NumberLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

// The text dialog's record conversion: the controls from a record, and a record from them.
namespace ztv::editor {

namespace {

constexpr lang::LineRange kHoverActions[] = {
    {lang::ActionNone, lang::ActionNone},
    {lang::ActionGoToPageAndColumn, lang::ActionGoToPageAndColumn}};

}  // namespace

QString TextDialog::helpPage(bool french) const {
    return french ? QStringLiteral("texte.html") : QStringLiteral("text.html");
}

void TextDialog::fillLists() {
    loading_ = true;
    fillTransitionList(effect_);
    fillActionList(action_);
    fillFromLines(align_, lang::kAlignmentRanges);
    fillFromLines(hoverAction_, kHoverActions);
    setWindowTitle(text(existing_ ? lang::ChangeTextCaption : lang::PlaceTextCaption));
}

void TextDialog::setNewDefaults() {
    hoverColour_ = colours_[0];
    wait_->setText(QStringLiteral("0"));
    action_->setCurrentIndex(0);
    effect_->setCurrentIndex(0);
    speed_->setCurrentIndex(0);
    align_->setCurrentIndex(0);
    afterClick_->setChecked(true);
    textOption_->setChecked(true);
    spacing_->setText(QStringLiteral("0"));
    showRect(QRect(2, 2, 0, 0));
    hoverAction_->setCurrentIndex(0);
    restoreOnExit_->setChecked(true);
}

void TextDialog::showRecord(const ElementRecord& r) {
    showRect(recordRect(r));
    selectText(effect_, r.Effet);
    showNumber(speed_, r.Vitesse);
    selectText(action_, r.Acte);
    showNumber(step_, r.EffetPas);
    showNumber(start_, r.EffetDepart);
    showNumber(end_, r.EffetFin);
    wait_->setText(QLocale().toString(r.Attente));
    showStoredPath(destination_, r.Destination, shownPath(state_.drives, r.Destination));
    showStoredPath(destin2_, r.Destin2, shownPath(state_.drives, r.Destin2));
    bands_->setText(QString::number(r.size));
    storedSize_ = r.size;
    reverse_->setChecked(isOui(r.Inverse));
    joinBackground_->setChecked(isOui(r.IntegrFond));
    autoDisappear_->setChecked(isOui(r.DisparAuto));
    (isOui(r.Click) ? afterClick_ : atOnce_)->setChecked(true);
    restoreOnExit_->setChecked(r.SurvolRetablir == 1);
    hoverAction_->setCurrentIndex(r.SurvolAction == 1 ? 1 : 0);
    hoverPage_->setText(r.SurvolAction == 1 ? QString::number(r.SurvolPage) : QStringLiteral("1"));
    hoverColumn_->setText(r.SurvolAction == 1 ? QString::number(r.SurvolColonne)
                                              : QStringLiteral("1"));

    const TextFields stored = TextFields::fromRecord(r, state_.language);
    state_.rememberedFont = stored.font;
    align_->setCurrentIndex(stored.alignLine - lang::AlignLeft);
    spacing_->setText(QString::number(stored.spacing));
    shadow_[0]->setValue(stored.shadow.x());
    shadow_[1]->setValue(stored.shadow.y());
    colours_[0] = stored.colour;
    colours_[1] = stored.shadowColour;
    hoverColourBox_->setChecked(stored.hoverColour.has_value());
    hoverColour_ = stored.hoverColour.value_or(stored.colour);
    if (isLine(r.Fichier, lang::MarkerDisappear)) {
        memo_->clear();
        disappearOption_->setChecked(true);
    } else {
        memo_->setPlainText(stored.lines.join(u'\n'));
        textOption_->setChecked(true);
    }
}

void TextDialog::afterActivate() {
    onActionChanged();
    onEffectChanged();
    onHoverActionChanged();
    paintSwatches();
    showFont();
    loading_ = false;
    applyOptionControls();
    measure();
    memo_->setFocus();
}

bool TextDialog::fillRecord(ElementRecord& r, QString& cellText) {
    const bool disappear = disappearing();
    measure();
    const TextFields typed = fields();
    if (!disappear && refuseText(typed)) {
        return false;
    }
    int values[4] = {};
    for (std::size_t i = 0; i < rect_.size(); ++i) {
        if (!readInteger(rect_[i], &values[i])) {
            return false;
        }
    }
    QString destination;
    QString destin2;
    if (!readStoredPath(destination_, &destination) || !readStoredPath(destin2_, &destin2)) {
        return false;
    }
    int speed = 0;
    int size = 0;
    int percents[3] = {};
    double wait = 0;
    int hoverPage = 0;
    int hoverColumn = 0;
    const bool hoverGoTo = hoverAction_->currentIndex() == 1;
    if (!readInteger(speed_->currentText(), speed_, &speed) || !readAttente(wait_, &wait) ||
        !transitionOption(effect_->currentText(), bands_, stretch_, &size) ||
        !readInteger(step_->currentText(), step_, &percents[0]) ||
        !readInteger(start_->currentText(), start_, &percents[1]) ||
        !readInteger(end_->currentText(), end_, &percents[2]) ||
        (hoverGoTo &&
         (!readInteger(hoverPage_, &hoverPage) || !readInteger(hoverColumn_, &hoverColumn)))) {
        return false;
    }
    typed.applyTo(r, state_.language);
    if (disappear) {
        r.Fichier = text(lang::MarkerDisappear);
    }
    cellText = r.Fichier;
    r.Effet = effect_->currentText();
    r.Vitesse = speed;
    r.Attente = wait;
    r.Gauche = values[0];
    r.Haut = values[1];
    r.Largeur = values[2];
    r.Hauteur = values[3];
    r.Acte = action_->currentText();
    r.Destination = destination;
    r.Destin2 = destin2;
    // Without an action there is nothing to reverse after; OK and the preview store the same.
    r.Inverse = ouiNon(listedAction(r.Acte) != ActionKind::None && reverse_->isChecked());
    r.IntegrFond = ouiNon(joinBackground_->isChecked());
    r.Click = ouiNon(afterClick_->isChecked());
    r.DisparAuto = ouiNon(autoDisappear_->isChecked());
    r.size = size;
    r.EffetPas = percents[0];
    r.EffetDepart = percents[1];
    r.EffetFin = percents[2];
    r.SurvolAction = hoverGoTo ? 1 : 0;
    r.SurvolPage = hoverGoTo ? hoverPage : 0;
    r.SurvolColonne = hoverGoTo ? hoverColumn : 0;
    r.SurvolRetablir = restoreOnExit_->isChecked() ? 1 : 0;
    return true;
}

// The disappearance that follows the text in its row covers the text's rectangle.
void TextDialog::afterSave(const ElementRecord& record) {
    if (isLine(record.Fichier, lang::MarkerDisappear)) {
        return;
    }
    QString error;
    if (!records_.propagateNextDisappearance(row_, column_, recordRect(record), &error)) {
        prompter_.message(text(lang::ElementNotWritten) + u'\n' + error);
    }
}

}  // namespace ztv::editor
