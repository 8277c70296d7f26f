#include "editor/position/PaletteTextLook.h"

#include "common/formats/ColorText.h"
#include "common/formats/CommaText.h"
#include "common/formats/LangLines.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/TextFields.h"
#include "editor/widgets/ComboLists.h"
#include "editor/widgets/TiledDialog.h"
#include "player/elements/TextLook.h"
#include "player/elements/TextRendering.h"

#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QFontDialog>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace ztv::editor {

namespace {

constexpr int kMaxShadow = 100;
constexpr int kFontListChars = 150;
constexpr int kLayoutListChars = 30;
constexpr QSize kSwatchSize(24, 20);

QSpinBox* shadowSpin(QWidget* parent, const char* name) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(0, kMaxShadow);
    return spin;
}

// A stored offset outside the spin's range shows as the nearest value it offers.
int shownOffset(const QString& text) {
    return std::clamp(text.trimmed().toInt(), 0, kMaxShadow);
}

}  // namespace

PaletteTextLook::PaletteTextLook(SessionSettings& state, QWidget* parent)
    : QWidget(parent), state_(state) {
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);

    // The font's name, style and size under their captions, its colour beside them.
    auto* font = new QGridLayout;
    font->setHorizontalSpacing(4);
    font->setVerticalSpacing(1);
    const char* labelNames[] = {"Labfont", "Labstyle", "Labtaill"};
    for (std::size_t i = 0; i < fontLabels_.size(); ++i) {
        const int column = int(i);
        font->addWidget(new QLabel(state_.text(lang::TextFontLabel + column), this), 0, column);
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(labelNames[i]));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        fontLabels_[i] = label;
        font->addWidget(label, 1, column);
        font->setColumnStretch(column, i == 0 ? 2 : 1);
    }
    const char* swatchNames[] = {"PaintBox1", "PaintBox2"};
    for (std::size_t i = 0; i < swatches_.size(); ++i) {
        auto* swatch = new QFrame(this);
        swatch->setObjectName(QLatin1String(swatchNames[i]));
        swatch->setFrameShape(QFrame::Box);
        swatch->setFixedSize(kSwatchSize);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->installEventFilter(this);
        swatches_[i] = swatch;
    }
    font->addWidget(swatches_[0], 1, 3);
    form->addRow(font);

    align_ = new QComboBox(this);
    align_->setObjectName(QStringLiteral("ComboBox8"));
    for (int line = lang::AlignLeft; line <= lang::AlignCentre; ++line) {
        align_->addItem(state_.text(line));
    }
    form->addRow(state_.text(lang::AlignmentLabel), align_);

    spacing_ = new QLineEdit(this);
    spacing_->setObjectName(QStringLiteral("Editinter"));
    spacing_->setValidator(new QIntValidator(-999, 999, spacing_));
    form->addRow(state_.text(lang::LineSpacingLabel), spacing_);

    // The shadow's offsets, its colour beside them.
    auto* shadow = new QHBoxLayout;
    shadow_ = {shadowSpin(this, "SpinEdit3"), shadowSpin(this, "SpinEdit4")};
    shadow->addWidget(new QLabel(state_.text(lang::XLabel), this));
    shadow->addWidget(shadow_[0], 1);
    shadow->addWidget(new QLabel(state_.text(lang::YLabel), this));
    shadow->addWidget(shadow_[1], 1);
    shadow->addWidget(swatches_[1]);
    form->addRow(state_.text(lang::ShadowLabel), shadow);

    connect(spacing_, &QLineEdit::editingFinished, this, [this] {
        if (spacing_->isModified()) {
            spacing_->setModified(false);
            lookChanged();
        }
    });
    for (QSpinBox* spin : shadow_) {
        connect(spin, &QSpinBox::editingFinished, this, [this] { lookChanged(); });
    }
}

void PaletteTextLook::fill(const ElementRecord& r) {
    lines_ = readCommaText(r.Fichier);
    const QStringList font = readCommaText(r.sensdegra);
    font_ = RememberedFont{};
    font_.set(font.value(0), font.value(2), font.value(1), state_.language);
    // As the text dialog's loader does, the text's font becomes the one the font dialogs start
    // from.
    state_.rememberedFont = font_;
    const QStringList layout = readCommaText(r.Transparent);
    selectText(align_, layout.value(0));
    if (align_->currentIndex() < 0) {
        align_->setCurrentIndex(lang::AlignCentre - lang::AlignLeft);
    }
    spacing_->setText(QString::number(layout.value(1).toInt()));
    shadow_[0]->setValue(shownOffset(layout.value(2)));
    shadow_[1]->setValue(shownOffset(layout.value(3)));
    colours_ = {colourOfValue(std::uint32_t(r.Couleur)), colourOfValue(std::uint32_t(r.Couldegra))};
    showFont();
    paintSwatches();
}

QString PaletteTextLook::fontList() const {
    return textFontList(font_, state_.language).left(kFontListChars);
}

QString PaletteTextLook::layoutList() const {
    return textLayoutList(align_->currentText(), spacing_->text().toInt(),
                          QPoint(shadow_[0]->value(), shadow_[1]->value()))
        .left(kLayoutListChars);
}

void PaletteTextLook::applyTo(ElementRecord& r) const {
    r.sensdegra = fontList();
    r.Transparent = layoutList();
    r.Couleur = std::int32_t(valueOfColour(colours_[0]));
    r.Couldegra = std::int32_t(valueOfColour(colours_[1]));
}

QSize PaletteTextLook::measured() const {
    return measureText(lines_, readTextLook(fontList(), layoutList(), state_.language));
}

void PaletteTextLook::showFont() {
    const QString shown[] = {font_.name, state_.text(font_.styleLine),
                             QString::number(font_.points)};
    for (std::size_t i = 0; i < fontLabels_.size(); ++i) {
        fontLabels_[i]->setText(shown[i]);
        fontLabels_[i]->setToolTip(shown[i]);  // a long name or style does not fit the palette
    }
}

// The font dialog starts from the remembered font and stores the chosen one into it.
void PaletteTextLook::chooseFont() {
    QFont shown = state_.rememberedFont.font(state_.language);
    shown.setPointSize(state_.rememberedFont.points);
    QFontDialog dialog(shown, this);
    if (runModal(state_, dialog) != QDialog::Accepted) {
        return;
    }
    state_.rememberedFont.set(dialog.currentFont());
    font_ = state_.rememberedFont;
    showFont();
    lookChanged();
}

void PaletteTextLook::chooseColour(std::size_t swatch) {
    QColorDialog dialog(colours_[swatch], this);
    if (runModal(state_, dialog) != QDialog::Accepted) {
        return;
    }
    colours_[swatch] = dialog.currentColor();
    // As in the text dialog, the text's colours are the first two the dialogs remember.
    state_.rememberedColours[swatch] = colours_[swatch];
    paintSwatches();
    lookChanged();
}

void PaletteTextLook::paintSwatches() {
    for (std::size_t i = 0; i < swatches_.size(); ++i) {
        swatches_[i]->setStyleSheet(
            QStringLiteral("QFrame { background: %1; }").arg(colours_[i].name()));
    }
}

void PaletteTextLook::lookChanged() {
    if (onLookChanged) {
        onLookChanged();
    }
}

bool PaletteTextLook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (QLabel* label : fontLabels_) {
            if (watched == label) {
                chooseFont();
                return true;
            }
        }
        for (std::size_t i = 0; i < swatches_.size(); ++i) {
            if (watched == swatches_[i]) {
                chooseColour(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace ztv::editor
