#include "editor/dialogs/SpriteDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "common/platform/ShownPath.h"
#include "editor/animation/AnimationMaker.h"
#include "editor/dialogs/PathField.h"
#include "editor/dialogs/PictureFiles.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/document/StoryboardRows.h"
#include "editor/widgets/ComboLists.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/NumberLists.h"

#include <QButtonGroup>
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

bool SpriteDialog::disappearChosen() const {
    return disappearOption_->isChecked();
}

void SpriteDialog::showRect(const QRect& rect) {
    const int values[] = {rect.left(), rect.top(), rect.width(), rect.height()};
    for (int i = 0; i < 4; ++i) {
        rect_[std::size_t(i)]->setText(QString::number(values[i]));
    }
}

QString SpriteDialog::rectText(int i) const {
    return rect_[std::size_t(i)]->text();
}

QString SpriteDialog::cellTextOf(const ElementRecord& record) const {
    return cellTextFor(row_, record.Fichier);
}

void SpriteDialog::fillLists() {
    loading_ = true;
    fillFromLines(appearance_, lang::kAppearanceRanges);
    fillActionList(action_);
    fillFromLines(endPose_, lang::kEndPoseRanges);
    setWindowTitle(text(existing_ ? wording_.changeCaption : wording_.placeCaption));
    preview_ = PictureControl{};
    showRect(storyboard_.defaultRect(row_));
}

void SpriteDialog::setNewDefaults() {
    action_->setCurrentIndex(0);
    endPose_->setCurrentIndex(0);
    speed_->setCurrentIndex(0);
    appearance_->setCurrentIndex(0);
    pictureOption_->setChecked(true);
    afterClick_->setChecked(true);
}

void SpriteDialog::showSpriteFields(const SpriteFields& f) {
    showRect(f.rect);
    frames_->setValue(f.frames);
    endPose_->setCurrentIndex(f.endPose >= 0 && f.endPose < endPose_->count() ? f.endPose : 0);
    showNumber(speed_, f.speed);
    selectText(appearance_, f.appearance);
    selectText(action_, f.action);
    showStoredPath(destination_, f.destination, shownPath(state_.drives, f.destination));
    showStoredPath(destin2_, f.destin2, shownPath(state_.drives, f.destin2));
    reverse_->setChecked(f.reverse);
    (f.afterClick ? afterClick_ : atOnce_)->setChecked(true);
    joinBackground_->setChecked(f.joinBackground);
    autoDisappear_->setChecked(f.autoDisappear);
    if (f.disappear) {
        disappearOption_->setChecked(true);
        edit1_->clear();
    } else {
        pictureOption_->setChecked(true);
        showStoredPath(edit1_, f.fichier, shownMediaPath(state_, f.fichier));
    }
}

void SpriteDialog::afterActivate() {
    // The help page is the kind's: known once the dialog is built.
    if (!QFileInfo::exists(helpPath())) {
        markNotAvailable(help_, text(lang::NotAvailableYet));
    }
    onActionChanged();
    loading_ = false;
    applyOption();
    drawPreview();
}

bool SpriteDialog::readSpriteFields(SpriteFields* f) {
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (!readInteger(rect_[std::size_t(i)], &values[i])) {
            return false;
        }
    }
    f->disappear = disappearChosen();
    if (!f->disappear && !readStoredPath(edit1_, &f->fichier)) {
        return false;
    }
    if (!readStoredPath(destination_, &f->destination) || !readStoredPath(destin2_, &f->destin2) ||
        !readInteger(speed_->currentText(), speed_, &f->speed)) {
        return false;
    }
    f->rect = QRect(values[0], values[1], values[2], values[3]);
    f->appearance = appearance_->currentText();
    f->frames = frames_->value();
    f->endPose = endPose_->currentIndex();
    f->action = action_->currentText();
    f->reverse = reverse_->isChecked();
    f->afterClick = afterClick_->isChecked();
    f->joinBackground = joinBackground_->isChecked();
    f->autoDisappear = autoDisappear_->isChecked();
    return true;
}

bool SpriteDialog::refuse(FieldProblem problem, const QString& typed) {
    if (problem == FieldProblem::None) {
        return true;
    }
    const int line = problemMessage(problem);
    prompter_.message(typed.isNull() ? state_.language.message(line) : text(line).arg(typed));
    if (problem == FieldProblem::NoPicture) {
        browse_->setFocus();
    } else if (problem == FieldProblem::FramesDoNotFillStrip) {
        frames_->setFocus();
    }
    return false;
}

void SpriteDialog::applyOption() {
    const bool disappear = disappearChosen();
    edit1_->setEnabled(!disappear);
    browse_->setEnabled(!disappear);
    frames_->setEnabled(!disappear);
    previewButton_->setVisible(!disappear);
    position_->setVisible(!disappear);
    onOptionChanged();
}

void SpriteDialog::onOptionClicked() {
    applyOption();
    if (disappearChosen()) {
        preview_ = PictureControl{};
        drawPreview();
        showRect(proposedDisappearance());
        return;
    }
    if (edit1_->text().isEmpty()) {
        choosePicture();
        return;
    }
    drawPreview();
}

void SpriteDialog::chooseDisappearance() {
    disappearOption_->setChecked(true);
    onOptionClicked();
}

bool SpriteDialog::drawPreview() {
    QString fichier;
    if (disappearChosen() || edit1_->text().isEmpty() || !readStoredPath(edit1_, &fichier)) {
        preview_ = PictureControl{};
        showPictureIn(image_, preview_, QRect());
        return !disappearChosen() && edit1_->text().isEmpty();
    }
    setCursor(Qt::WaitCursor);
    preview_ = PictureControl{};
    const bool ok = pictures_.prepare(preview_, fichier, appearance_->currentText(), Qt::white,
                                      Qt::white, QString(), true, QString());
    unsetCursor();
    showPictureIn(image_, ok ? preview_ : PictureControl{},
                  ok ? previewFitRect(kPreviewPanel, preview_.loadedSize) : QRect());
    return ok;
}

void SpriteDialog::choosePicture() {
    const QString chosen =
        prompter_.openFileName(text(wording_.pictureGroup), QString(), pictureFileFilter());
    if (const QString stored = chosen.isEmpty() ? QString() : storedPath(chosen);
        !stored.isEmpty()) {
        usePicture(stored, chosen);
    }
}

void SpriteDialog::makeStrip() {
    const std::optional<MadeAnimation> made = makeAnimation(state_, prompter_, this);
    if (!made) {
        return;
    }
    if (const QString stored = storedPath(made->hostPath); !stored.isEmpty()) {
        const AnimationPlacement p =
            made->placement(QSize(state_.projectWidth, state_.projectHeight));
        usePicture(stored, made->hostPath,
                   Placed{QRect(p.left, p.top, p.width, p.height), p.frames});
    }
}

void SpriteDialog::usePicture(const QString& stored, const QString& shown,
                              const std::optional<Placed>& placed) {
    showStoredPath(edit1_, stored, shown);
    pictureOption_->setChecked(true);
    applyOption();
    if (!drawPreview() || preview_.image.isNull()) {
        return;
    }
    const QSize size = preview_.loadedSize;
    showRect(placed
                 ? placed->rect
                 : QRect((state_.projectWidth - size.width()) / 2,
                         (state_.projectHeight - size.height()) / 2, size.width(), size.height()));
    const QSignalBlocker quiet(frames_);
    frames_->setValue(placed ? placed->frames : std::max(1, preview_.gifFrameCount));
    onFramesChanged();
    onPictureShown();
}

// The frame width follows the count; a figure pushed off the page's top or left is centred
// again at its new size.
void SpriteDialog::onFramesChanged() {
    if (loading_ || disappearChosen() || edit1_->text().isEmpty()) {
        return;
    }
    const int width = frameWidthOf(stripWidth(), frames_->value());
    rect_[2]->setText(QString::number(width));
    if (rectText(0).toInt() < 0 || rectText(1).toInt() < 0) {
        const int height = rectText(3).toInt();
        rect_[0]->setText(QString::number((state_.projectWidth - width) / 2));
        rect_[1]->setText(QString::number((state_.projectHeight - height) / 2));
    }
}

void SpriteDialog::onAppearanceChanged() {
    if (disappearChosen()) {
        return;
    }
    if (!drawPreview()) {
        prompter_.message(state_.language.message(lang::AppearanceNotShowable));
        appearance_->setCurrentIndex(0);
    }
}

void SpriteDialog::onActionChanged() {
    showActionParameters(action_->currentText(), destination_, browseDestination_, destin2_,
                         browseDestin2_);
}

void SpriteDialog::startPictureEditor() {
    startTool(PictureEditorLine, disappearChosen() ? nullptr : edit1_);
}

void SpriteDialog::startScanner() {
    startTool(ScannerLine, nullptr);
}

}  // namespace ztv::editor
