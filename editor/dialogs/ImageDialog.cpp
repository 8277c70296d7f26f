#include "editor/dialogs/ImageDialog.h"

#include "common/formats/LangLines.h"
#include "common/formats/PictureLoader.h"
#include "common/platform/Prompter.h"
#include "common/platform/WinPath.h"
#include "editor/dialogs/PathField.h"
#include "editor/dialogs/PictureFiles.h"
#include "editor/dialogs/ReducedCopy.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace ztv::editor {

ImageDialog::ImageType ImageDialog::imageType() const {
    const int id = typeGroup_->checkedId();
    return id < 0 ? ImageType::Picture : ImageType(id);
}

void ImageDialog::selectImageType(ImageType type) {
    types_[std::size_t(type)]->setChecked(true);
    onImageTypeChosen(type);
}

void ImageDialog::showRect(const QRect& rect) {
    const int values[] = {rect.left(), rect.top(), rect.width(), rect.height()};
    for (int i = 0; i < 4; ++i) {
        rect_[std::size_t(i)]->setText(QString::number(values[i]));
    }
}

void ImageDialog::applyTypeControls(ImageType type) {
    const bool disappear = type == ImageType::Disappear;
    rect_[0]->setEnabled(true);
    rect_[1]->setEnabled(true);
    rect_[2]->setEnabled(!isBackground());
    rect_[3]->setEnabled(!isBackground());
    previewButton_->setVisible(!disappear);
    position_->setVisible(!disappear && !isBackground());
}

void ImageDialog::onImageTypeChosen(ImageType type) {
    if (loading_) {
        return;
    }
    applyTypeControls(type);
    if (type == ImageType::Disappear) {
        preview_ = PictureControl{};
        showPictureIn(image_, preview_, QRect());
        if (!isBackground() && !storyboard_.defaultRect(row_).isEmpty()) {
            showRect(records_.proposedDisappearanceRect(row_, column_));
            records_.rebuildDefaultRects();
        }
        return;
    }
    if (type == ImageType::Picture && edit1_->text().isEmpty()) {
        choosePicture();
        return;
    }
    drawPreview();
}

bool ImageDialog::drawPreview() {
    const ImageType type = imageType();
    if (type == ImageType::Disappear || (type == ImageType::Picture && edit1_->text().isEmpty())) {
        preview_ = PictureControl{};
        showPictureIn(image_, preview_, QRect());
        return true;
    }
    if (type == ImageType::Picture) {
        return fitPreview();
    }
    const QRect area(2, 2, kPreviewPanel.width() - 5, kPreviewPanel.height() - 5);
    preview_.image = QImage(area.size(), QImage::Format_RGB32);
    if (rect_[2]->text().toInt() == 0) {
        showRect(area);
    }
    const bool gradient = type == ImageType::Gradient;
    const QString marker = text(gradient ? lang::MarkerGradient : lang::MarkerPlainBackground);
    const QColor first = gradient ? colours_[1] : colours_[0];
    const QColor second = gradient ? colours_[2] : QColor(Qt::white);
    const bool ok = pictures_.prepare(preview_, marker, appearance_->currentText(), first, second,
                                      direction_->currentText(), false, QString());
    showPictureIn(image_, preview_, area);
    paintSwatches();
    return ok;
}

bool ImageDialog::fitPreview() {
    QString fichier;
    if (!readStoredPath(edit1_, &fichier)) {
        return false;
    }
    setCursor(Qt::WaitCursor);
    preview_ = PictureControl{};
    const bool ok = pictures_.prepare(preview_, fichier, appearance_->currentText(), Qt::white,
                                      Qt::white, QString(), false, QString());
    unsetCursor();
    if (!ok) {
        showPictureIn(image_, PictureControl{}, QRect());
        return false;
    }
    showPictureIn(image_, preview_, previewFitRect(kPreviewPanel, preview_.loadedSize));
    return true;
}

void ImageDialog::onAppearanceChanged() {
    if (imageType() == ImageType::Disappear) {
        return;
    }
    if (!drawPreview()) {
        prompter_.message(state_.language.message(lang::AppearanceNotShowable));
        appearance_->setCurrentIndex(0);
    }
}

void ImageDialog::onEffectChanged() {
    showTransitionOption(effect_->currentText(), bandsLabel_, bands_, stretch_, storedSize_);
}

void ImageDialog::onActionChanged() {
    showActionParameters(action_->currentText(), destination_, browseDestination_, destin2_,
                         browseDestin2_);
}

void ImageDialog::onHoverActionChanged() {
    const bool goTo = hoverAction_->currentIndex() == 1;
    hoverPage_->setVisible(goTo);
    hoverColumn_->setVisible(goTo);
}

void ImageDialog::choosePicture() {
    const QString chosen =
        prompter_.openFileName(text(lang::PictureTypeFile), QString(), pictureFileFilter());
    if (const QString stored = chosen.isEmpty() ? QString() : storedPath(chosen);
        !stored.isEmpty()) {
        usePicture(stored, chosen);
    }
}

// A path typed into the file edit is taken, once, when the edit is left, on Enter or on OK:
// the drive-less form records store, a host path, or a Windows path with its drive.
void ImageDialog::takeTypedPicture() {
    if (!edit1_->isModified()) {
        return;
    }
    edit1_->setModified(false);
    if (edit1_->text().trimmed().isEmpty()) {
        return;
    }
    QString stored;
    if (readStoredPath(edit1_, &stored) && !stored.isEmpty()) {
        usePicture(stored, shownMediaPath(state_, stored));
    }
}

// A chosen or typed picture: shown, offered as a reduced copy when it is larger than the
// screen, then centred on the page. One that cannot be loaded leaves the rectangle alone.
void ImageDialog::usePicture(const QString& stored, const QString& shown) {
    showStoredPath(edit1_, stored, shown);
    types_[0]->setChecked(true);
    if (!drawPreview() || preview_.image.isNull()) {
        return;
    }
    const QString extension = winpath::extension(stored).toUpper();
    const QSize screen(state_.projectWidth, state_.projectHeight);
    const QSize loaded = preview_.loadedSize;
    if ((extension == u".BMP" || extension == u".JPG" || extension == u".JPEG") &&
        (loaded.width() > screen.width() || loaded.height() > screen.height()) &&
        prompter_.ask(text(lang::ReducedCopyQuestion), QString(), Prompter::Buttons::YesNoCancel) ==
            Prompter::Yes) {
        offerReducedCopy(stored);
    }
    if (!isBackground()) {
        const QSize size = preview_.loadedSize;
        showRect(QRect((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2,
                       size.width(), size.height()));
    }
}

void ImageDialog::offerReducedCopy(const QString& stored) {
    const QString windows = state_.mediaDrive + stored;
    const QString source = state_.drives.toHost(windows);
    const bool jpeg = winpath::extension(stored).toUpper() != u".BMP";
    QString folder;
    if (state_.drives.type(winpath::driveLetter(windows)) == DriveType::Cd) {
        folder = state_.paths.data(QStringLiteral("images"));
        QDir().mkpath(folder);
    }
    const QString target = reducedCopyPath(source, folder, jpeg);
    if (target.isEmpty()) {
        return;
    }
    const Picture picture = loadPictureFile(source);
    const QSize size =
        reducedSize(preview_.loadedSize, QSize(state_.projectWidth, state_.projectHeight));
    QString error;
    if (!picture.ok() || !saveReducedCopy(picture.image, size, target, jpeg, &error)) {
        prompter_.message(text(lang::ReducedCopyNotSaved) + u' ' + target + u'\n' + error);
        return;
    }
    prompter_.inform(text(lang::ReducedCopySaved) + u' ' + target);
    const QString copyStored = storedPath(target);
    if (copyStored.isEmpty()) {
        return;
    }
    showStoredPath(edit1_, copyStored, target);
    types_[0]->setChecked(true);
    drawPreview();
}

void ImageDialog::chooseHoverPicture() {
    const QString chosen =
        prompter_.openFileName(text(lang::HoverPictureCaption), QString(), QStringLiteral("* (*)"));
    const QString stored = chosen.isEmpty() ? QString() : storedPath(chosen);
    if (stored.isEmpty()) {
        return;
    }
    showStoredPath(hoverPath_, stored, chosen);
    hover_ = PictureControl{};
    if (pictures_.prepare(hover_, stored, QString(), Qt::white, Qt::white, QString(), false,
                          QString())) {
        showPictureIn(hoverImage_, hover_, previewFitRect(kHoverPanel, hover_.loadedSize));
    }
}

void ImageDialog::clearHoverPicture() {
    hoverPath_->clear();
    hover_ = PictureControl{};
    showPictureIn(hoverImage_, hover_, QRect());
}

QColor ImageDialog::swatchColour(int swatch) const {
    return colours_[std::size_t(swatch)];
}

void ImageDialog::paintSwatches() {
    for (int i = 0; i < 3; ++i) {
        swatches_[std::size_t(i)]->setStyleSheet(
            QStringLiteral("QFrame { background: %1; }").arg(swatchColour(i).name()));
    }
}

void ImageDialog::chooseSwatchColour(int swatch) {
    const auto chosen = chooseColour(swatchColour(swatch));
    if (!chosen) {
        return;
    }
    colours_[std::size_t(swatch)] = chosen->toRgb();
    selectImageType(swatch == 0 ? ImageType::Plain : ImageType::Gradient);
}

bool ImageDialog::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the file edit loads what was typed instead of pressing OK; pressed again, it does.
    if (watched == edit1_ && event->type() == QEvent::KeyPress && edit1_->isModified()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            takeTypedPicture();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == panel_) {
            choosePicture();
            return true;
        }
        for (int i = 0; i < 3; ++i) {
            if (watched == swatches_[std::size_t(i)]) {
                chooseSwatchColour(i);
                return true;
            }
        }
    }
    return ElementDialog::eventFilter(watched, event);
}

void ImageDialog::startPictureEditor() {
    startTool(PictureEditorLine, edit1_);
}

void ImageDialog::startScanner() {
    startTool(ScannerLine, nullptr);
}

}  // namespace ztv::editor
