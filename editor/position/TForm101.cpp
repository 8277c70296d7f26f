#include "editor/position/TForm101.h"

#include "common/ElementKinds.h"
#include "common/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/DialogButton.h"
#include "editor/EditorState.h"
#include "editor/dialogs/ElementDialog.h"
#include "editor/dialogs/NumberLists.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ztv::editor {

namespace {

constexpr int kWidth = 200;
constexpr int kCaptionLine = 539;
constexpr int kRectLabelLine = 540;  // "Gauche" to "Hauteur"
constexpr int kFirstRowName = 300;
constexpr int kEffectLabelLine = 545;
constexpr int kSpeedLabelLine = 546;
constexpr int kAppearanceLabelLine = 628;
constexpr int kViewLine = 114;
constexpr int kViewEffectLine = 115;
constexpr int kCloseLine = 174;
constexpr int kApplyLine = 849;
constexpr int kGoToLine = 850;

}  // namespace

TForm101::TForm101(const EditorState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), state_(state), prompter_(prompter) {
    setObjectName(QStringLiteral("TForm101"));
    setWindowTitle(state_.text(kCaptionLine));
    build();
}

QLineEdit* TForm101::numberEdit(int index) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Edit%1").arg(index + 1));
    return edit;
}

void TForm101::build() {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (int i = 0; i < 4; ++i) {
        edits_[std::size_t(i)] = numberEdit(i);
        form->addRow(state_.text(kRectLabelLine + i) + QStringLiteral(" :"),
                     edits_[std::size_t(i)]);
    }
    layout->addLayout(form);
    auto* apply = dialogButton(this, "BApplic", state_.text(kApplyLine), QRect());
    layout->addWidget(apply);

    effectGroup_ = new QWidget(this);
    auto* options = new QFormLayout(effectGroup_);
    options->setContentsMargins(0, 0, 0, 0);
    // Labels above their lists keep the palette narrow beside the page.
    options->setRowWrapPolicy(QFormLayout::WrapAllRows);
    effect_ = new QComboBox(effectGroup_);
    effect_->setObjectName(QStringLiteral("ComboBox1"));
    fillTransitionEntries(effect_, state_);
    speed_ = numberList(effectGroup_, "ComboBox4", speedEntries());
    appearance_ = new QComboBox(effectGroup_);
    appearance_->setObjectName(QStringLiteral("ComboBox5"));
    for (int line = 200; line <= 216; ++line) {
        appearance_->addItem(state_.text(line));
    }
    appearanceLabel_ = new QLabel(state_.text(kAppearanceLabelLine), effectGroup_);
    options->addRow(state_.text(kEffectLabelLine), effect_);
    options->addRow(state_.text(kSpeedLabelLine), speed_);
    options->addRow(appearanceLabel_, appearance_);
    layout->addWidget(effectGroup_);

    auto* cell = new QHBoxLayout;
    rows_ = new QComboBox(this);
    rows_->setObjectName(QStringLiteral("ComboBox2"));
    for (int row = 1; row <= kRowCount; ++row) {
        rows_->addItem(state_.text(kFirstRowName + row - 1));
    }
    columns_ = numberList(this, "ComboBox6", {});
    columns_->setEditable(false);
    for (int column = 1; column <= 21; ++column) {
        columns_->addItem(QString::number(column));
    }
    cell->addWidget(rows_, 1);
    cell->addWidget(columns_);
    layout->addLayout(cell);
    auto* goTo = dialogButton(this, "BitBtn1", state_.text(kGoToLine), QRect());
    effectButton_ = dialogButton(this, "Beffet", state_.text(kViewEffectLine), QRect());
    auto* close = dialogButton(this, "BitBtn2", state_.text(kCloseLine), QRect());
    layout->addWidget(goTo);
    layout->addWidget(effectButton_);
    layout->addWidget(close);
    for (QComboBox* list : {effect_, appearance_, rows_}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(10);
    }
    setFixedWidth(kWidth);

    // Choosing an entry only gives the focus back to the editor.
    for (QComboBox* list : {rows_, columns_}) {
        connect(list, &QComboBox::activated, this, [this] { parentWidget()->activateWindow(); });
    }
    connect(apply, &QPushButton::clicked, this, [this] { onApply(); });
    connect(goTo, &QPushButton::clicked, this,
            [this] { onGoTo(rows_->currentIndex() + 1, columns_->currentIndex() + 1); });
    connect(close, &QPushButton::clicked, this, [this] { onClose(); });
    connect(effectButton_, &QPushButton::clicked, this, [this] { onEffect(); });
}

bool TForm101::kindHasEffect() const {
    const ElementKind kind = kindOfRow(row_);
    return kind == ElementKind::Background || kind == ElementKind::Picture;
}

void TForm101::fill(const ElementRecord& r) {
    row_ = r.Ligne;
    const int values[] = {r.Gauche, r.Haut, r.Largeur, r.Hauteur};
    for (std::size_t i = 0; i < 4; ++i) {
        edits_[i]->setText(QString::number(values[i]));
    }
    rows_->setCurrentIndex(std::clamp(r.Ligne, 1, kRowCount) - 1);
    columns_->setCurrentIndex(std::clamp(r.Colonne, 1, 21) - 1);
    effectGroup_->setVisible(kindHasEffect());
    if (kindHasEffect()) {
        ElementDialog::selectText(effect_, r.Effet);
        showNumber(speed_, r.Vitesse);
        ElementDialog::selectText(appearance_, r.Transparent);
    }
    effectButton_->setText(state_.text(kindHasEffect() ? kViewEffectLine : kViewLine));
}

void TForm101::setEffectAvailable(bool available) {
    if (available) {
        effectButton_->setEnabled(true);
        effectButton_->setToolTip(QString());
    } else {
        markNotAvailable(effectButton_, state_.text(lang::NotAvailableYet));
    }
}

std::optional<QRect> TForm101::rect() {
    int values[4] = {};
    for (std::size_t i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = edits_[i]->text().trimmed().toInt(&ok);
        if (!ok) {
            prompter_.message(state_.text(lang::NotAnInteger).arg(edits_[i]->text()));
            edits_[i]->setFocus();
            return std::nullopt;
        }
    }
    return QRect(values[0], values[1], values[2], values[3]);
}

void TForm101::nudge(int dx, int dy) {
    edits_[0]->setText(QString::number(edits_[0]->text().toInt() + dx));
    edits_[1]->setText(QString::number(edits_[1]->text().toInt() + dy));
}

void TForm101::applyValues(ElementRecord& r) const {
    if (!kindHasEffect()) {
        return;
    }
    r.Effet = effect_->currentText();
    bool ok = false;
    const int speed = speed_->currentText().toInt(&ok);
    if (ok && speed >= 1 && speed <= 100) {
        r.Vitesse = speed;
    }
    r.Transparent = appearance_->currentText();
}

void TForm101::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        onEscape();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace ztv::editor
