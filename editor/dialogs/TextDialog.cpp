#include "editor/dialogs/TextDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/StoredPath.h"
#include "editor/document/Storyboard.h"
#include "player/elements/TextRendering.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace ztv::editor {

namespace {

constexpr QRgb kSilver = 0xFFC0C0C0;

}  // namespace

bool TextDialog::disappearing() const {
    return disappearOption_->isChecked();
}

void TextDialog::selectDisappearance(bool disappear) {
    (disappear ? disappearOption_ : textOption_)->setChecked(true);
    onOptionChosen();
}

QStringList TextDialog::memoLines() const {
    QStringList lines = memo_->toPlainText().split(u'\n');
    // A final line break ends the last line; it does not start another one.
    if (lines.size() > 1 && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

TextFields TextDialog::fields() const {
    TextFields f;
    f.lines = memoLines();
    f.font = state_.rememberedFont;
    f.alignLine = lang::AlignLeft + std::max(0, align_->currentIndex());
    f.spacing = spacing_->text().toInt();
    f.shadow = QPoint(shadow_[0]->value(), shadow_[1]->value());
    f.colour = colours_[0];
    f.shadowColour = colours_[1];
    if (hoverColourBox_->isChecked()) {
        f.hoverColour = hoverColour_;
    }
    return f;
}

// The memo shows white text on silver, as it would vanish on white.
QColor TextDialog::ground() const {
    return colours_[0].rgb() == QColor(Qt::white).rgb() ? QColor(kSilver) : QColor(Qt::white);
}

void TextDialog::applyOptionControls() {
    const bool disappear = disappearing();
    rect_[2]->setEnabled(disappear);
    rect_[3]->setEnabled(disappear);
    position_->setVisible(!disappear);
    previewButton_->setVisible(!disappear);
}

void TextDialog::onOptionChosen() {
    if (loading_) {
        return;
    }
    applyOptionControls();
    if (!disappearing()) {
        measure();
        return;
    }
    if (!storyboard_.defaultRect(row_).isEmpty()) {
        showRect(records_.proposedDisappearanceRect(row_, column_));
        records_.rebuildDefaultRects();
    }
}

void TextDialog::measure() {
    if (loading_) {
        return;
    }
    QPalette colours = memo_->palette();
    colours.setColor(QPalette::Text, colours_[0]);
    colours.setColor(QPalette::Base, ground());
    memo_->setPalette(colours);
    memo_->setFont(state_.rememberedFont.font(state_.language));
    const TextFields text = fields();
    if (!disappearing()) {
        const QSize size = text.measured(state_.language);
        rect_[2]->setText(QString::number(size.width()));
        rect_[3]->setText(QString::number(size.height()));
    }
    const QImage rendering = text.rendering(state_.language, colours_[0]);
    previewImage_ = QImage();
    if (!rendering.isNull()) {
        QImage under(rendering.size(), QImage::Format_RGB32);
        under.fill(ground());
        previewImage_ = composeOver(under, rendering);
    }
    const QImage shown =
        previewImage_.width() > kPreviewPanel.width() ||
                previewImage_.height() > kPreviewPanel.height()
            ? previewImage_.scaled(kPreviewPanel, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : previewImage_;
    preview_->setPixmap(shown.isNull() ? QPixmap() : QPixmap::fromImage(shown));
}

void TextDialog::showRect(const QRect& rect) {
    const int values[] = {rect.left(), rect.top(), rect.width(), rect.height()};
    for (std::size_t i = 0; i < rect_.size(); ++i) {
        rect_[i]->setText(QString::number(values[i]));
    }
}

void TextDialog::showFont() {
    const RememberedFont& font = state_.rememberedFont;
    const QString shown[] = {font.name, text(font.styleLine), QString::number(font.points)};
    for (std::size_t i = 0; i < fontLabels_.size(); ++i) {
        fontLabels_[i]->setText(shown[i]);
    }
}

void TextDialog::paintSwatches() {
    const QColor shown[] = {colours_[0], colours_[1], hoverColour_};
    for (std::size_t i = 0; i < swatches_.size(); ++i) {
        swatches_[i]->setStyleSheet(
            QStringLiteral("QFrame { background: %1; }").arg(shown[i].name()));
    }
}

// The font dialog starts from the remembered font and stores the chosen one into it.
void TextDialog::chooseFont() {
    QFont shown = state_.rememberedFont.font(state_.language);
    shown.setPointSize(state_.rememberedFont.points);
    const auto chosen = chooseFontFrom(shown);
    if (!chosen) {
        return;
    }
    state_.rememberedFont.set(*chosen);
    spacing_->setText(QStringLiteral("0"));
    showFont();
    measure();
}

void TextDialog::chooseSwatchColour(int swatch) {
    const QColor current = swatch == 2 ? hoverColour_ : colours_[std::size_t(swatch)];
    const auto chosen = chooseColour(current);
    if (!chosen) {
        return;
    }
    if (swatch == 2) {
        hoverColour_ = chosen->toRgb();
    } else {
        colours_[std::size_t(swatch)] = chosen->toRgb();
        textOption_->setChecked(true);
        applyOptionControls();
    }
    paintSwatches();
    measure();
}

void TextDialog::onEffectChanged() {
    showTransitionOption(effect_->currentText(), bandsLabel_, bands_, stretch_, storedSize_);
}

void TextDialog::onActionChanged() {
    showActionParameters(action_->currentText(), destination_, browseDestination_, destin2_,
                         browseDestin2_);
}

void TextDialog::onHoverActionChanged() {
    const bool goTo = hoverAction_->currentIndex() == 1;
    hoverPage_->setVisible(goTo);
    hoverColumn_->setVisible(goTo);
}

// Why the typed text cannot be stored, shown with the focus on the memo; false when it can.
bool TextDialog::refuseText(const TextFields& typed) {
    QString message;
    switch (typed.refusal()) {
        case TextFields::Refusal::None:
            return false;
        case TextFields::Refusal::Empty:
            message = state_.language.message(lang::TextEmpty);
            break;
        case TextFields::Refusal::UnstorableCharacter:
            message = unstorableTextMessage(state_, typed.lines.join(u'\n'));
            break;
        case TextFields::Refusal::TooLong:
            message = state_.language.message(lang::TextTooLong);
            break;
    }
    prompter_.message(message);
    memo_->setFocus();
    return true;
}

bool TextDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memo_ && event->type() == QEvent::FocusIn && !loading_ &&
        !textOption_->isChecked()) {
        selectDisappearance(false);
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        for (QLabel* label : fontLabels_) {
            if (watched == label) {
                chooseFont();
                return true;
            }
        }
        for (std::size_t i = 0; i < swatches_.size(); ++i) {
            if (watched == swatches_[i]) {
                chooseSwatchColour(int(i));
                return true;
            }
        }
    }
    return ElementDialog::eventFilter(watched, event);
}

}  // namespace ztv::editor
