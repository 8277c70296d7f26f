#include "editor/dialogs/PanoramaDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/dialogs/DisappearanceFollow.h"
#include "editor/dialogs/PathField.h"
#include "editor/dialogs/PictureFiles.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/PanoramaFields.h"
#include "editor/document/RecordGeometry.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/document/StoryboardRows.h"
#include "editor/widgets/ComboLists.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/NumberLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace ztv::editor {

namespace {
constexpr QSize kPreviewPanel{240, 120};
}

QString PanoramaDialog::helpPage(bool) const {
    return QStringLiteral("panorama.html");
}

bool PanoramaDialog::disappearChosen() const {
    return disappearOption_->isChecked();
}

void PanoramaDialog::showRect(const QRect& rect) {
    const int values[] = {rect.left(), rect.top(), rect.width(), rect.height()};
    for (int i = 0; i < 4; ++i) {
        rect_[std::size_t(i)]->setText(QString::number(values[i]));
    }
}

void PanoramaDialog::fillLists() {
    loading_ = true;
    fillTransitionList(effect_);
    setWindowTitle(text(existing_ ? lang::ChangePanoramaCaption : lang::PlacePanoramaCaption));
    preview_ = PictureControl{};
    showRect(storyboard_.defaultRect(row_));
}

void PanoramaDialog::setNewDefaults() {
    effect_->setCurrentIndex(0);
    speed_->setCurrentIndex(0);
    stepX_->setValue(20);
    stepY_->setValue(20);
    pictureOption_->setChecked(true);
}

void PanoramaDialog::showRecord(const ElementRecord& r) {
    const PanoramaFields f = panoramaFieldsOf(r, state_.language);
    showRect(f.view);
    selectText(effect_, f.effect);
    storedSize_ = f.transitionOption;
    bands_->setText(QString::number(f.transitionOption));
    showNumber(speed_, f.speed);
    stepX_->setValue(f.stepX);
    stepY_->setValue(f.stepY);
    wrapAround_->setChecked(f.wrapAround);
    joinBackground_->setChecked(f.joinBackground);
    autoDisappear_->setChecked(f.autoDisappear);
    pictureSize_ = f.pictureSize;
    if (f.disappear) {
        disappearOption_->setChecked(true);
        edit1_->clear();
    } else {
        pictureOption_->setChecked(true);
        showStoredPath(edit1_, f.fichier, shownMediaPath(state_, f.fichier));
    }
}

void PanoramaDialog::afterActivate() {
    if (!QFileInfo::exists(helpPath())) {
        markNotAvailable(help_, text(lang::NotAvailableYet));
    }
    onEffectChanged();
    loading_ = false;
    applyOption();
    drawPreview();
}

void PanoramaDialog::applyOption() {
    const bool disappear = disappearChosen();
    edit1_->setEnabled(!disappear);
    browse_->setEnabled(!disappear);
    previewButton_->setVisible(!disappear);
    position_->setVisible(!disappear && !edit1_->text().isEmpty());
}

void PanoramaDialog::onOptionClicked() {
    applyOption();
    if (disappearChosen()) {
        preview_ = PictureControl{};
        drawPreview();
        if (!storyboard_.defaultRect(row_).isEmpty()) {
            showRect(records_.proposedDisappearanceRect(row_, column_));
            records_.rebuildDefaultRects();
        }
        return;
    }
    if (edit1_->text().isEmpty()) {
        choosePicture();
        return;
    }
    drawPreview();
}

void PanoramaDialog::chooseDisappearance() {
    disappearOption_->setChecked(true);
    onOptionClicked();
}

// The picture shows as it is: a panorama has no appearance mode.
void PanoramaDialog::drawPreview() {
    QString fichier;
    preview_ = PictureControl{};
    if (!disappearChosen() && !edit1_->text().isEmpty() && readStoredPath(edit1_, &fichier) &&
        pictures_.prepare(preview_, fichier, QString(), Qt::white, Qt::white, QString(), false,
                          QString())) {
        showPictureIn(image_, preview_, previewFitRect(kPreviewPanel, preview_.loadedSize));
        return;
    }
    preview_ = PictureControl{};
    showPictureIn(image_, preview_, QRect());
}

// A chosen picture is seen whole at first, centred on the page; the author then narrows the
// window.
void PanoramaDialog::choosePicture() {
    const QString chosen =
        prompter_.openFileName(text(lang::PanoramaPictureGroup), QString(), pictureFileFilter());
    const QString stored = chosen.isEmpty() ? QString() : storedPath(chosen);
    if (stored.isEmpty()) {
        return;
    }
    showStoredPath(edit1_, stored, chosen);
    pictureOption_->setChecked(true);
    drawPreview();
    applyOption();
    if (preview_.image.isNull()) {
        pictureSize_ = QSize();
        return;
    }
    pictureSize_ = preview_.loadedSize;
    showRect(QRect((state_.projectWidth - pictureSize_.width()) / 2,
                   (state_.projectHeight - pictureSize_.height()) / 2, pictureSize_.width(),
                   pictureSize_.height()));
}

void PanoramaDialog::onEffectChanged() {
    showTransitionOption(effect_->currentText(), bandsLabel_, bands_, stretch_, storedSize_);
}

void PanoramaDialog::startPictureEditor() {
    startTool(PictureEditorLine, disappearChosen() ? nullptr : edit1_);
}

void PanoramaDialog::startScanner() {
    startTool(ScannerLine, nullptr);
}

bool PanoramaDialog::fillRecord(ElementRecord& r, QString& cellText) {
    PanoramaFields f;
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (!readInteger(rect_[std::size_t(i)], &values[i])) {
            return false;
        }
    }
    f.disappear = disappearChosen();
    if ((!f.disappear && !readStoredPath(edit1_, &f.fichier)) ||
        !readInteger(speed_->currentText(), speed_, &f.speed) ||
        !transitionOption(effect_->currentText(), bands_, stretch_, &f.transitionOption)) {
        return false;
    }
    f.view = QRect(values[0], values[1], values[2], values[3]);
    f.pictureSize = pictureSize_;
    f.effect = effect_->currentText();
    f.stepX = stepX_->value();
    f.stepY = stepY_->value();
    f.wrapAround = wrapAround_->isChecked();
    f.joinBackground = joinBackground_->isChecked();
    f.autoDisappear = autoDisappear_->isChecked();
    if (const FieldProblem problem = panoramaProblem(f); problem != FieldProblem::None) {
        prompter_.message(state_.language.message(problemMessage(problem)));
        (problem == FieldProblem::NoPicture ? static_cast<QWidget*>(browse_) : rect_[2])
            ->setFocus();
        return false;
    }
    writePanoramaFields(f, state_.language, r);
    cellText = cellTextFor(row_, r.Fichier);
    return true;
}

void PanoramaDialog::afterSave(const ElementRecord& record) {
    followWithDisappearance(records_, prompter_, state_, record, recordRect(record));
}

}  // namespace ztv::editor
