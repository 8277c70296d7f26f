#include "editor/dialogs/ImageDialog.h"

#include "common/formats/ColorText.h"
#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "common/platform/ShownPath.h"
#include "common/platform/WinPath.h"
#include "editor/dialogs/PathField.h"
#include "editor/dialogs/PictureFiles.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/position/HandleGeometry.h"
#include "editor/widgets/ComboLists.h"
#include "editor/widgets/NumberLists.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

// The image dialog's record conversion: the controls from a record, and a record from them.
namespace ztv::editor {

namespace {

std::int32_t colourValue(const QColor& c) {
    return std::int32_t(valueOfColour(c));
}

QColor colourOf(std::int32_t value) {
    return colourOfValue(std::uint32_t(value));
}

}  // namespace

QString ImageDialog::helpPage(bool french) const {
    if (row_ == 3) {
        return french ? QStringLiteral("fondecran.html") : QStringLiteral("background.html");
    }
    return QStringLiteral("image.html");
}

void ImageDialog::fillLists() {
    loading_ = true;
    fillTransitionList(effect_);
    fillFromLines(appearance_, lang::kAppearanceRanges);
    fillActionList(action_);
    fillFromLines(direction_, lang::kGradientRanges);
    fillFromLines(hoverAction_, lang::kHoverActionRanges);
    setWindowTitle(text(existing_ ? lang::ChangePictureCaption : lang::PlacePictureCaption));
    preview_ = PictureControl{};
    showRect(storyboard_.defaultRect(row_));
}

void ImageDialog::setNewDefaults() {
    wait_->setText(QStringLiteral("0"));
    action_->setCurrentIndex(0);
    effect_->setCurrentIndex(0);
    speed_->setCurrentIndex(0);
    appearance_->setCurrentIndex(0);
    direction_->setCurrentIndex(0);
    types_[0]->setChecked(true);
    afterClick_->setChecked(true);
    hoverAction_->setCurrentIndex(0);
    restoreOnExit_->setChecked(true);
}

void ImageDialog::showRecord(const ElementRecord& r) {
    showRect(recordRect(r));
    selectText(effect_, r.Effet);
    showNumber(speed_, r.Vitesse);
    selectText(appearance_, r.Transparent);
    selectText(action_, r.Acte);
    showNumber(step_, r.EffetPas);
    showNumber(start_, r.EffetDepart);
    showNumber(end_, r.EffetFin);
    wait_->setText(QLocale().toString(r.Attente));
    showStoredPath(destination_, r.Destination, shownPath(state_.drives, r.Destination));
    showStoredPath(destin2_, r.Destin2, shownPath(state_.drives, r.Destin2));
    bands_->setText(QString::number(r.size));
    storedSize_ = r.size;
    showStoredPath(hoverPath_, r.SurvolFichier, shownMediaPath(state_, r.SurvolFichier));
    reverse_->setChecked(isOui(r.Inverse));
    joinBackground_->setChecked(isOui(r.IntegrFond));
    autoDisappear_->setChecked(isOui(r.DisparAuto));
    (isOui(r.Click) ? afterClick_ : atOnce_)->setChecked(true);
    restoreOnExit_->setChecked(r.SurvolRetablir == 1);
    hoverAction_->setCurrentIndex(r.SurvolAction == 1 ? 1 : 0);
    hoverPage_->setText(r.SurvolAction == 1 ? QString::number(r.SurvolPage) : QStringLiteral("1"));
    hoverColumn_->setText(r.SurvolAction == 1 ? QString::number(r.SurvolColonne)
                                              : QStringLiteral("1"));
    if (!r.SurvolFichier.isEmpty()) {
        hover_.image = QImage();
        if (pictures_.prepare(hover_, r.SurvolFichier, QString(), Qt::white, Qt::white, QString(),
                              false, QString())) {
            showPictureIn(hoverImage_, hover_, previewFitRect(kHoverPanel, hover_.loadedSize));
        }
    }
    if (isLine(r.Fichier, lang::MarkerPlainBackground)) {
        colours_[0] = colourOf(r.Couleur);
        types_[2]->setChecked(true);
    } else if (isLine(r.Fichier, lang::MarkerGradient)) {
        colours_[1] = colourOf(r.Couleur);
        colours_[2] = colourOf(r.Couldegra);
        selectText(direction_, r.sensdegra);
        types_[1]->setChecked(true);
    } else if (isLine(r.Fichier, lang::MarkerDisappear) ||
               isLine(r.Fichier, lang::MarkerBackgroundDisappear)) {
        types_[3]->setChecked(true);
        showRect(recordRect(r));
    } else {
        showStoredPath(edit1_, r.Fichier, shownMediaPath(state_, r.Fichier));
        types_[0]->setChecked(true);
    }
}

void ImageDialog::afterActivate() {
    showActionParameters(action_->currentText(), destination_, browseDestination_, destin2_,
                         browseDestin2_);
    showTransitionOption(effect_->currentText(), bandsLabel_, bands_, stretch_, storedSize_);
    onHoverActionChanged();
    paintSwatches();
    if (isBackground()) {
        setWindowTitle(
            text(existing_ ? lang::ChangeBackgroundCaption : lang::PlaceBackgroundCaption));
        joinBackground_->setEnabled(false);
        autoDisappear_->setEnabled(false);
        types_[3]->setText(text(lang::BackgroundDisappearOption));
        showRect(QRect(0, 0, state_.projectWidth, state_.projectHeight));
        for (int i : {0, 1}) {
            rectLabels_[std::size_t(i)]->hide();
            rect_[std::size_t(i)]->hide();
        }
        rect_[2]->setEnabled(false);
        rect_[3]->setEnabled(false);
        hoverPath_->clear();
        hoverGroup_->hide();
    }
    loading_ = false;
    // The chooser waits for the author's click: activation only shows what is there.
    applyTypeControls(imageType());
    drawPreview();
}

bool ImageDialog::fillRecord(ElementRecord& r, QString& cellText) {
    takeTypedPicture();
    const ImageType type = imageType();
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (!readInteger(rect_[std::size_t(i)], &values[i])) {
            return false;
        }
    }
    if (isBackground()) {
        values[0] = 0;
        values[1] = 0;
        values[2] = state_.projectWidth;
        values[3] = state_.projectHeight;
    }
    if (type == ImageType::Picture && edit1_->text().isEmpty()) {
        prompter_.message(state_.language.message(lang::ChoosePictureFirst));
        browse_->setFocus();
        return false;
    }
    if (values[2] == 0 || values[3] == 0) {
        prompter_.message(state_.language.message(lang::SizeMustBePositive));
        rect_[1]->setFocus();
        return false;
    }
    QString fichier;
    QString destination;
    QString destin2;
    QString hoverFichier;
    if ((type == ImageType::Picture && !readStoredPath(edit1_, &fichier)) ||
        !readStoredPath(destination_, &destination) || !readStoredPath(destin2_, &destin2) ||
        (!isBackground() && !readStoredPath(hoverPath_, &hoverFichier))) {
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
    switch (type) {
        case ImageType::Picture:
            r.Fichier = fichier;
            cellText = winpath::fileName(r.Fichier);
            break;
        case ImageType::Gradient:
            r.Fichier = text(lang::MarkerGradient);
            break;
        case ImageType::Plain:
            r.Fichier = text(lang::MarkerPlainBackground);
            break;
        case ImageType::Disappear:
            r.Fichier =
                text(isBackground() ? lang::MarkerBackgroundDisappear : lang::MarkerDisappear);
            break;
    }
    if (type != ImageType::Picture) {
        cellText = r.Fichier;
    }
    r.Effet = effect_->currentText();
    r.Transparent = appearance_->currentText();
    r.Vitesse = speed;
    r.Attente = wait;
    r.Gauche = values[0];
    r.Haut = values[1];
    r.Largeur = values[2];
    r.Hauteur = values[3];
    r.Acte = action_->currentText();
    r.Destination = destination;
    r.Destin2 = destin2;
    if (listedAction(r.Acte) != ActionKind::None) {
        r.Inverse = ouiNon(reverse_->isChecked());
    }
    r.IntegrFond = ouiNon(joinBackground_->isChecked());
    r.Click = ouiNon(afterClick_->isChecked());
    r.DisparAuto = ouiNon(autoDisappear_->isChecked());
    const bool gradient = type == ImageType::Gradient;
    r.Couleur = colourValue(gradient ? colours_[1] : colours_[0]);
    r.Couldegra = colourValue(colours_[2]);
    if (gradient) {
        r.sensdegra = direction_->currentText();
    }
    r.style.clear();
    r.size = size;
    r.EffetPas = percents[0];
    r.EffetDepart = percents[1];
    r.EffetFin = percents[2];
    r.SurvolFichier = isBackground() ? QString() : hoverFichier;
    r.SurvolAction = hoverGoTo ? 1 : 0;
    r.SurvolPage = hoverGoTo ? hoverPage : 0;
    r.SurvolColonne = hoverGoTo ? hoverColumn : 0;
    r.SurvolRetablir = restoreOnExit_->isChecked() ? 1 : 0;
    return true;
}

}  // namespace ztv::editor
