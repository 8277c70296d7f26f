#include "editor/position/PositionPalette.h"

#include "common/formats/ElementKinds.h"
#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/position/HandleGeometry.h"
#include "editor/position/PaletteTextLook.h"
#include "editor/widgets/ComboLists.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/NumberLists.h"
#include "editor/widgets/TransitionOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ztv::editor {

namespace {

constexpr int kWidth = 230;
constexpr int kDefaultSteps = 10;
constexpr int kMaxLoops = 100;
constexpr int kLoopsEntry = 1;  // the character loops instead of speaking

// Which options the palette shows for a kind.
struct KindOptions {
    bool effect = false;      // `Effet`
    bool speed = false;       // `Vitesse`
    bool appearance = false;  // `Transparent`
    bool option = false;      // bands or stretching: `size`
    bool endPose = false;     // `size` as the index of lines 187 to 190
    bool preview = false;     // "Voir effet"
};

KindOptions optionsOf(ElementKind kind) {
    switch (kind) {
        case ElementKind::Background:
        case ElementKind::Picture:
            return {true, true, true, true, false, true};
        case ElementKind::Panorama:
        case ElementKind::Text:
            return {true, true, false, true, false, true};
        case ElementKind::Character:
        case ElementKind::Animation:
            return {false, true, true, false, true, true};
        case ElementKind::Video:
            return {false, false, false, false, false, true};
        default:
            return {};
    }
}

}  // namespace

bool kindHasPreview(ElementKind kind) {
    return optionsOf(kind).preview;
}

PositionPalette::PositionPalette(SessionSettings& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), state_(state), prompter_(prompter) {
    setObjectName(QStringLiteral("TForm101"));
    setWindowTitle(state_.text(lang::PositionCaption));
    build();
}

QLineEdit* PositionPalette::numberEdit(int index) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Edit%1").arg(index + 1));
    return edit;
}

void PositionPalette::build() {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (int i = 0; i < 4; ++i) {
        edits_[std::size_t(i)] = numberEdit(i);
        form->addRow(state_.text(lang::PositionRectLabel + i) + QStringLiteral(" :"),
                     edits_[std::size_t(i)]);
    }
    layout->addLayout(form);
    apply_ = dialogButton(this, "BApplic", state_.text(lang::ApplyPositions), QRect());
    layout->addWidget(apply_);
    buildOptions(layout);
    buildArrival(layout);

    auto* cell = new QHBoxLayout;
    rows_ = new QComboBox(this);
    rows_->setObjectName(QStringLiteral("ComboBox2"));
    for (int row = 1; row <= kRowCount; ++row) {
        rows_->addItem(state_.text(lang::RowNameFirst + row - 1));
    }
    columns_ = new QComboBox(this);
    columns_->setObjectName(QStringLiteral("ComboBox6"));
    for (int column = 1; column <= 21; ++column) {
        columns_->addItem(QString::number(column));
    }
    cell->addWidget(rows_, 1);
    cell->addWidget(columns_);
    layout->addLayout(cell);
    auto* goTo = dialogButton(this, "BitBtn1", state_.text(lang::GoToCell), QRect());
    effectButton_ = dialogButton(this, "Beffet", state_.text(lang::ShowEffect), QRect());
    auto* close = dialogButton(this, "BitBtn2", state_.text(lang::PositionClose), QRect());
    layout->addWidget(goTo);
    layout->addWidget(effectButton_);
    layout->addWidget(close);
    for (QComboBox* list : {effect_, appearance_, sound_, endPose_, rows_}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(10);
    }
    setFixedWidth(kWidth);

    // Choosing an entry only gives the focus back to the editor.
    for (QComboBox* list : {rows_, columns_}) {
        connect(list, &QComboBox::activated, this, [this] { parentWidget()->activateWindow(); });
    }
    connect(apply_, &QPushButton::clicked, this, [this] { onApply(); });
    connect(goTo, &QPushButton::clicked, this,
            [this] { onGoTo(rows_->currentIndex() + 1, columns_->currentIndex() + 1); });
    connect(close, &QPushButton::clicked, this, [this] { onClose(); });
    connect(effectButton_, &QPushButton::clicked, this, [this] { onEffect(); });
}

// Effect, speed and appearance mode, shown as the edited kind has them.
void PositionPalette::buildOptions(QVBoxLayout* layout) {
    auto* group = new QWidget(this);
    options_ = new QFormLayout(group);
    options_->setContentsMargins(0, 0, 0, 0);
    // Labels above their lists keep the palette narrow beside the page.
    options_->setRowWrapPolicy(QFormLayout::WrapAllRows);
    effect_ = new QComboBox(group);
    effect_->setObjectName(QStringLiteral("ComboBox1"));
    fillTransitionEntries(effect_, state_);
    speed_ = numberList(group, "ComboBox4", speedEntries());
    appearance_ = new QComboBox(group);
    appearance_->setObjectName(QStringLiteral("ComboBox5"));
    for (int line = lang::AppearanceOpaque; line <= lang::AppearanceInvert; ++line) {
        appearance_->addItem(state_.text(line));
    }
    options_->addRow(state_.text(lang::PositionEffectLabel), effect_);
    options_->addRow(state_.text(lang::PositionSpeedLabel), speed_);
    options_->addRow(state_.text(lang::PositionAppearanceLabel), appearance_);
    buildTransitionOption();
    buildCharacterOptions();
    textLook_ = new PaletteTextLook(state_, group);
    textLook_->onLookChanged = [this] { onTextLook(); };
    options_->addRow(textLook_);
    layout->addWidget(group);
    connect(effect_, &QComboBox::currentIndexChanged, this, [this] { showTransitionOption(); });
}

// Bands, turns or a zoom factor, or stretching, as the chosen effect takes.
void PositionPalette::buildTransitionOption() {
    transitionOption_ = new QWidget(this);
    auto* line = new QHBoxLayout(transitionOption_);
    line->setContentsMargins(0, 0, 0, 0);
    bandsLabel_ = new QLabel(transitionOption_);
    bands_ = new QLineEdit(transitionOption_);
    bands_->setObjectName(QStringLiteral("Edit8"));
    stretch_ = new QCheckBox(state_.text(lang::StretchOption), transitionOption_);
    stretch_->setObjectName(QStringLiteral("CheckBox1"));
    line->addWidget(bandsLabel_);
    line->addWidget(bands_, 1);
    line->addWidget(stretch_);
    options_->addRow(transitionOption_);
}

// A character speaks its sound or plays a number of loops, then ends on a pose.
void PositionPalette::buildCharacterOptions() {
    sound_ = new QComboBox(this);
    sound_->setObjectName(QStringLiteral("ComboBox3"));
    sound_->addItem(state_.text(lang::CharacterSpeaks));
    sound_->addItem(state_.text(lang::CharacterSilent));
    loops_ = new QSpinBox(this);
    loops_->setObjectName(QStringLiteral("SpinEdit1"));
    loops_->setRange(0, kMaxLoops);
    endPose_ = new QComboBox(this);
    endPose_->setObjectName(QStringLiteral("ComboBox7"));
    for (int line = lang::EndPoseKeepCurrent; line <= lang::EndPoseNothing; ++line) {
        endPose_->addItem(state_.text(line));
    }
    options_->addRow(sound_);
    options_->addRow(state_.text(lang::XLabel), loops_);
    options_->addRow(endPose_);
    connect(sound_, &QComboBox::currentIndexChanged, this, [this] { showKindOptions(); });
}

// An animation's arrival: where it goes, in how many steps.
void PositionPalette::buildArrival(QVBoxLayout* layout) {
    arrivalGroup_ = new QWidget(this);
    auto* form = new QFormLayout(arrivalGroup_);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(new QLabel(state_.text(lang::ArrivalLabel), arrivalGroup_));
    for (int i = 0; i < 2; ++i) {
        arrival_[std::size_t(i)] = numberEdit(4 + i);
        form->addRow(state_.text(lang::SecondLeftLabel + i), arrival_[std::size_t(i)]);
    }
    steps_ = new QSpinBox(arrivalGroup_);
    steps_->setObjectName(QStringLiteral("SpinEdit2"));
    steps_->setRange(1, 100);
    form->addRow(state_.text(lang::StepsLabel), steps_);
    applyArrival_ =
        dialogButton(arrivalGroup_, "BBougPoint2", state_.text(lang::ApplyPositions), QRect());
    arrivalButton_ =
        dialogButton(arrivalGroup_, "BVoirArrivee", state_.text(lang::ShowArrival), QRect());
    form->addRow(applyArrival_);
    form->addRow(arrivalButton_);
    layout->addWidget(arrivalGroup_);
    connect(applyArrival_, &QPushButton::clicked, this, [this] { onApplyArrival(); });
    connect(arrivalButton_, &QPushButton::clicked, this, [this] { onToggleArrival(); });
}

void PositionPalette::fill(const ElementRecord& r) {
    row_ = r.Ligne;
    const QRect rect = recordRect(r);
    const int values[] = {rect.left(), rect.top(), rect.width(), rect.height()};
    for (std::size_t i = 0; i < 4; ++i) {
        edits_[i]->setText(QString::number(values[i]));
    }
    rows_->setCurrentIndex(std::clamp(r.Ligne, 1, kRowCount) - 1);
    columns_->setCurrentIndex(std::clamp(r.Colonne, 1, 21) - 1);
    storedSize_ = r.size;
    selectText(effect_, r.Effet);
    showNumber(speed_, r.Vitesse);
    selectText(appearance_, r.Transparent);
    selectText(sound_, r.style);
    if (sound_->currentIndex() < 0) {
        sound_->setCurrentIndex(0);
    }
    loops_->setValue(std::clamp(r.Couldegra, 0, kMaxLoops));
    endPose_->setCurrentIndex(r.size >= 0 && r.size < endPose_->count() ? r.size : 0);
    arrival_[0]->setText(QString::number(withinReach(r.sensdegra.toInt())));
    arrival_[1]->setText(QString::number(withinReach(r.style.toInt())));
    steps_->setValue(r.Couldegra >= 1 && r.Couldegra <= 100 ? r.Couldegra : kDefaultSteps);
    if (kindOfRow(row_) == ElementKind::Text) {
        textLook_->fill(r);
    }
    showKindOptions();
    effectButton_->setText(state_.text(previewLine()));
    showArrival(arrivalShown_);
}

void PositionPalette::showKindOptions() {
    const ElementKind kind = kindOfRow(row_);
    const KindOptions shown = optionsOf(kind);
    options_->setRowVisible(effect_, shown.effect);
    options_->setRowVisible(speed_, shown.speed);
    options_->setRowVisible(appearance_, shown.appearance);
    options_->setRowVisible(sound_, kind == ElementKind::Character);
    options_->setRowVisible(
        loops_, kind == ElementKind::Character && sound_->currentIndex() == kLoopsEntry);
    options_->setRowVisible(endPose_, shown.endPose);
    options_->setRowVisible(textLook_, kind == ElementKind::Text);
    arrivalGroup_->setVisible(kind == ElementKind::Animation);
    effectButton_->setVisible(shown.preview);
    showTransitionOption();
    adjustSize();
}

void PositionPalette::showTransitionOption() {
    const bool takesOption =
        optionsOf(kindOfRow(row_)).option &&
        transitionOptionKind(effect_->currentText(), state_.language) != TransitionOptionKind::None;
    options_->setRowVisible(transitionOption_, takesOption);
    editor::showTransitionOption(effect_->currentText(), state_.language, bandsLabel_, bands_,
                                 stretch_, true, storedSize_);
}

// Pictures and panoramas replay their appearance; the other kinds show a preview.
int PositionPalette::previewLine() const {
    const ElementKind kind = kindOfRow(row_);
    const bool appearance = kind == ElementKind::Background || kind == ElementKind::Picture ||
                            kind == ElementKind::Panorama;
    return appearance ? lang::ShowEffect : lang::PositionPreview;
}

void PositionPalette::showArrival(bool shown) {
    arrivalShown_ = shown && kindOfRow(row_) == ElementKind::Animation;
    apply_->setVisible(!arrivalShown_);
    applyArrival_->setVisible(arrivalShown_);
    arrivalButton_->setText(state_.text(arrivalShown_ ? lang::ShowStart : lang::ShowArrival));
}

void PositionPalette::setEffectAvailable(bool available) {
    if (available) {
        effectButton_->setEnabled(true);
        effectButton_->setToolTip(QString());
    } else {
        markNotAvailable(effectButton_, state_.text(lang::NotAvailableYet));
    }
}

std::optional<int> PositionPalette::readEdit(QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    if (!ok) {
        prompter_.message(state_.text(lang::NotAnInteger).arg(edit->text()));
        edit->setFocus();
        return std::nullopt;
    }
    return value;
}

std::optional<QRect> PositionPalette::rect() {
    if (!transitionOption_->isHidden() && !bands_->isHidden() && !readEdit(bands_)) {
        return std::nullopt;
    }
    int values[4] = {};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto value = readEdit(edits_[i]);
        if (!value) {
            return std::nullopt;
        }
        values[i] = *value;
    }
    return reachableRect(values[0], values[1], values[2], values[3]);
}

std::optional<QPoint> PositionPalette::arrival() {
    const auto x = readEdit(arrival_[0]);
    const auto y = x ? readEdit(arrival_[1]) : std::nullopt;
    if (!y) {
        return std::nullopt;
    }
    return QPoint(*x, *y);
}

void PositionPalette::nudge(int dx, int dy) {
    QLineEdit* left = arrivalShown_ ? arrival_[0] : edits_[0];
    QLineEdit* top = arrivalShown_ ? arrival_[1] : edits_[1];
    left->setText(QString::number(left->text().toInt() + dx));
    top->setText(QString::number(top->text().toInt() + dy));
}

void PositionPalette::applyValues(ElementRecord& r) const {
    const ElementKind kind = kindOfRow(row_);
    const KindOptions shown = optionsOf(kind);
    if (shown.effect) {
        r.Effet = effect_->currentText();
    }
    if (shown.speed) {
        bool ok = false;
        const int speed = speed_->currentText().toInt(&ok);
        if (ok && speed >= 1 && speed <= 100) {
            r.Vitesse = speed;
        }
    }
    if (shown.appearance) {
        r.Transparent = appearance_->currentText();
    }
    if (shown.option) {
        switch (transitionOptionKind(effect_->currentText(), state_.language)) {
            case TransitionOptionKind::Bands:
                r.size = bands_->text().trimmed().toInt();  // checked by rect()
                break;
            case TransitionOptionKind::Stretch:
                r.size = stretch_->isChecked() ? 1 : 0;
                break;
            case TransitionOptionKind::None:
                r.size = 0;
                break;
        }
    }
    if (shown.endPose) {
        r.size = endPose_->currentIndex();
    }
    if (kind == ElementKind::Character) {
        r.style = sound_->currentText();
        if (sound_->currentIndex() == kLoopsEntry) {
            r.Couldegra = loops_->value();
        }
    } else if (kind == ElementKind::Animation) {
        r.Couldegra = steps_->value();
    } else if (kind == ElementKind::Text) {
        textLook_->applyTo(r);
    }
}

void PositionPalette::remeasureText() {
    if (kindOfRow(row_) != ElementKind::Text) {
        return;
    }
    const QSize size = textLook_->measured();
    edits_[2]->setText(QString::number(size.width()));
    edits_[3]->setText(QString::number(size.height()));
}

void PositionPalette::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        onEscape();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace ztv::editor
