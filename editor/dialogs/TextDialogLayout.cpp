#include "common/formats/LangLines.h"
#include "editor/dialogs/DialogControls.h"
#include "editor/dialogs/TextDialog.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/NumberLists.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

// The text dialog's controls: its two tabs and its button row.
namespace ztv::editor {

namespace {

QFrame* swatch(QWidget* parent, const char* name, QObject* filter) {
    auto* frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::Box);
    frame->setFixedSize(40, 20);
    frame->setCursor(Qt::PointingHandCursor);
    frame->installEventFilter(filter);
    return frame;
}

QSpinBox* shadowSpin(QWidget* parent, const char* name) {
    auto* spin = named(new QSpinBox(parent), name);
    spin->setRange(-kMaxTextShadow, kMaxTextShadow);
    return spin;
}

}  // namespace

TextDialog::TextDialog(SessionSettings& settings, Prompter& prompter, Storyboard& storyboard,
                       bool hasElement, QWidget* parent)
    : ElementDialog(settings, prompter, storyboard, hasElement, parent) {
    setObjectName(QStringLiteral("Formtext"));
    setWindowTitle(text(lang::PlaceTextCaption));
    chooseColour = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(initial, this);
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    };
    chooseFontFrom = [this](const QFont& initial) -> std::optional<QFont> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, initial, this);
        return ok ? std::optional<QFont>(chosen) : std::nullopt;
    };
    auto* layout = new QVBoxLayout(this);
    tabs_ = named(new QTabWidget(this), "PageControl1");
    auto* textTab = named(new QWidget, "TabSheet1");
    auto* actionsTab = named(new QWidget, "TabSheet2");
    fillWithPanelColour(textTab);
    fillWithPanelColour(actionsTab);
    tabs_->addTab(textTab, text(lang::KindPicture));
    tabs_->addTab(actionsTab, text(lang::ActionGroup));
    layout->addWidget(tabs_);
    buildTextTab(textTab);
    buildActionsTab(actionsTab);
    buildButtons();
    tabs_->setCurrentIndex(0);
}

void TextDialog::buildTextTab(QWidget* tab) {
    auto* grid = new QGridLayout(tab);
    auto* textBox = panelGroup(text(lang::KindText), "GroupBox1", tab);
    auto* textLayout = new QGridLayout(textBox);
    auto* options = new QButtonGroup(this);
    textOption_ = named(new QRadioButton(textBox), "RadioButton1");
    disappearOption_ =
        named(new QRadioButton(text(lang::TextDisappearOption), textBox), "RadioButton2");
    options->addButton(textOption_);
    options->addButton(disappearOption_);
    memo_ = named(new QPlainTextEdit(textBox), "Memo1");
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setMinimumSize(300, 90);
    memo_->installEventFilter(this);
    auto* panel = named(new QFrame(textBox), "PanelApercu");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFixedSize(kPreviewPanel);
    preview_ = named(new QLabel(panel), "ImageApercu");
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setGeometry(QRect(QPoint(), kPreviewPanel));
    textLayout->addWidget(textOption_, 0, 0, Qt::AlignTop);
    textLayout->addWidget(memo_, 0, 1);
    textLayout->addWidget(buildLookControls(textBox), 1, 1);
    textLayout->addWidget(panel, 2, 1, Qt::AlignCenter);
    textLayout->addWidget(disappearOption_, 3, 0, 1, 2);
    grid->addWidget(textBox, 0, 0);
    buildAppearanceGroup(tab, grid);

    auto* positionBox = panelGroup(text(lang::PositionGroup), "GroupBox3", tab);
    auto* position = new QHBoxLayout(positionBox);
    const char* rectNames[] = {"Edit2", "Edit3", "Edit4", "Edit5"};
    for (std::size_t i = 0; i < rect_.size(); ++i) {
        rect_[i] = named(new QLineEdit(positionBox), rectNames[i]);
        rect_[i]->setFixedWidth(70);
        position->addWidget(new QLabel(text(lang::PositionLeftLabel + int(i)), positionBox));
        position->addWidget(rect_[i]);
        position->addSpacing(16);
    }
    position->addStretch();
    grid->addWidget(positionBox, 1, 0, 1, 2);

    connect(options, &QButtonGroup::buttonClicked, this, [this] { onOptionChosen(); });
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] { measure(); });
}

// Font, alignment, spacing, shadow and the two colours, under the memo.
QWidget* TextDialog::buildLookControls(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* look = new QGridLayout(box);
    look->setContentsMargins(0, 0, 0, 0);
    const char* labelNames[] = {"Labfont", "Labstyle", "Labtaill"};
    for (std::size_t i = 0; i < fontLabels_.size(); ++i) {
        const int column = int(i);
        look->addWidget(new QLabel(text(lang::TextFontLabel + column), box), 0, column);
        auto* label = named(new QLabel(box), labelNames[i]);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        fontLabels_[i] = label;
        look->addWidget(label, 1, column);
    }
    swatches_[0] = swatch(box, "PaintBox1", this);
    look->addWidget(swatches_[0], 1, 3);
    auto* hint = named(new QLabel(text(lang::FontHint), box), "Label15");
    hint->setWordWrap(true);
    look->addWidget(hint, 2, 0, 1, 4);

    align_ = named(new QComboBox(box), "ComboBox5");
    spacing_ = named(new QLineEdit(box), "Editinter");
    spacing_->setValidator(new QIntValidator(-kMaxLineSpacing, kMaxLineSpacing, spacing_));
    look->addWidget(new QLabel(text(lang::AlignmentLabel), box), 3, 0);
    look->addWidget(align_, 3, 1);
    look->addWidget(new QLabel(text(lang::LineSpacingLabel), box), 3, 2);
    look->addWidget(spacing_, 3, 3);

    auto* shadow = new QHBoxLayout;
    shadow_ = {shadowSpin(box, "SpinEdit1"), shadowSpin(box, "SpinEdit2")};
    swatches_[1] = swatch(box, "PaintBox2", this);
    shadow->addWidget(new QLabel(text(lang::XLabel), box));
    shadow->addWidget(shadow_[0]);
    shadow->addWidget(new QLabel(text(lang::YLabel), box));
    shadow->addWidget(shadow_[1]);
    shadow->addWidget(swatches_[1]);
    shadow->addStretch();
    look->addWidget(new QLabel(text(lang::ShadowLabel), box), 4, 0);
    look->addLayout(shadow, 4, 1, 1, 3);

    connect(align_, &QComboBox::currentIndexChanged, this, [this] { measure(); });
    connect(spacing_, &QLineEdit::textChanged, this, [this] { measure(); });
    for (QSpinBox* spin : shadow_) {
        connect(spin, &QSpinBox::valueChanged, this, [this] { measure(); });
    }
    return box;
}

void TextDialog::buildAppearanceGroup(QWidget* tab, QGridLayout* grid) {
    auto* showBox = panelGroup(text(lang::ShowGroup), "GroupBox2", tab);
    auto* show = new QGridLayout(showBox);
    auto addRow = [&](int row, int line, QWidget* field, QWidget* extra = nullptr) {
        show->addWidget(new QLabel(text(line), showBox), row, 0);
        show->addWidget(field, row, 1);
        if (extra) {
            show->addWidget(extra, row, 2);
        }
    };
    effect_ = named(new QComboBox(showBox), "ComboBox3");
    effect_->setMinimumWidth(200);
    speed_ = numberList(showBox, "ComboBox4", speedEntries());
    wait_ = named(new QLineEdit(showBox), "Edit7");
    bandsLabel_ = named(new QLabel(text(lang::BandsLabel), showBox), "Label8");
    bands_ = named(new QLineEdit(showBox), "Edit8");
    stretch_ = named(new QCheckBox(text(lang::StretchOption), showBox), "CheckBox1");
    step_ = numberList(showBox, "ComboPas", countdown(100, 1));
    showNumber(step_, 6);
    start_ = numberList(showBox, "ComboDep", countdown(100, 0));
    showNumber(start_, 0);
    end_ = numberList(showBox, "ComboArr", countdown(100, 0));
    showNumber(end_, 100);
    addRow(0, lang::EffectLabel, effect_);
    show->addWidget(bandsLabel_, 1, 0);
    show->addWidget(bands_, 1, 1);
    show->addWidget(stretch_, 1, 2);
    addRow(2, lang::SpeedLabel, speed_);
    addRow(3, lang::WaitLabel, wait_, new QLabel(text(lang::SecondsLabel), showBox));
    addRow(4, lang::EffectStepLabel, step_);
    addRow(5, lang::EffectStartLabel, start_);
    addRow(6, lang::EffectEndLabel, end_);
    autoDisappear_ = named(new QCheckBox(text(lang::AutoDisappearOption), showBox), "CheckBox2");
    joinBackground_ = named(new QCheckBox(text(lang::JoinBackgroundText), showBox), "CheckBox4");
    show->addWidget(autoDisappear_, 7, 0, 1, 3);
    show->addWidget(joinBackground_, 8, 0, 1, 3);
    show->setRowStretch(9, 1);
    grid->addWidget(showBox, 0, 1);
    connect(effect_, &QComboBox::currentIndexChanged, this, &TextDialog::onEffectChanged);
}

void TextDialog::buildActionsTab(QWidget* tab) {
    auto* layout = new QVBoxLayout(tab);
    auto* actionBox = panelGroup(text(lang::ActionGroup), "GroupBox4", tab);
    auto* action = new QGridLayout(actionBox);
    afterClick_ = named(new QRadioButton(text(lang::TextActAfterClick), actionBox), "RadioButton5");
    atOnce_ = named(new QRadioButton(text(lang::TextActAtOnce), actionBox), "RadioButton6");
    action_ = named(new QComboBox(actionBox), "ComboBox2");
    destination_ = named(new QLineEdit(actionBox), "Edit6");
    browseDestination_ = named(new QPushButton(QStringLiteral("..."), actionBox), "BtAct");
    destin2_ = named(new QLineEdit(actionBox), "Editd");
    browseDestin2_ = named(new QPushButton(QStringLiteral("..."), actionBox), "BtAct2");
    reverse_ = named(new QCheckBox(text(lang::ReverseNextEffect), actionBox), "CheckBox3");
    browseDestination_->setFixedWidth(32);
    browseDestin2_->setFixedWidth(32);
    action->addWidget(afterClick_, 0, 0, 1, 2);
    action->addWidget(atOnce_, 1, 0, 1, 2);
    action->addWidget(action_, 2, 0, 1, 2);
    action->addWidget(destination_, 3, 0);
    action->addWidget(browseDestination_, 3, 1);
    action->addWidget(destin2_, 4, 0);
    action->addWidget(browseDestin2_, 4, 1);
    action->addWidget(reverse_, 5, 0, 1, 2);
    layout->addWidget(actionBox);

    auto* hoverBox = panelGroup(text(lang::HoverGroup), "GroupBox5", tab);
    auto* hover = new QGridLayout(hoverBox);
    hoverColourBox_ = named(new QCheckBox(text(lang::HoverColourOption), hoverBox), "CheckSurvol");
    swatches_[2] = swatch(hoverBox, "PaintSurvol", this);
    hoverAction_ = named(new QComboBox(hoverBox), "ComboSurvol");
    hoverPage_ = named(new QLineEdit(QStringLiteral("1"), hoverBox), "EditSurvol1");
    hoverColumn_ = named(new QLineEdit(QStringLiteral("1"), hoverBox), "EditSurvol2");
    restoreOnExit_ = named(new QCheckBox(text(lang::HoverRestoreLook), hoverBox), "CheckMouseExit");
    hover->addWidget(hoverColourBox_, 0, 0);
    hover->addWidget(swatches_[2], 0, 1);
    hover->addWidget(hoverAction_, 1, 0, 1, 2);
    auto* pageColumn = new QHBoxLayout;
    pageColumn->addWidget(hoverPage_);
    pageColumn->addWidget(hoverColumn_);
    hover->addLayout(pageColumn, 2, 0, 1, 2);
    hover->addWidget(restoreOnExit_, 3, 0, 1, 2);
    layout->addWidget(hoverBox);
    layout->addStretch();

    connect(action_, &QComboBox::currentIndexChanged, this, &TextDialog::onActionChanged);
    connect(browseDestination_, &QPushButton::clicked, this,
            [this] { browseFirstParameter(action_->currentText(), destination_); });
    connect(browseDestin2_, &QPushButton::clicked, this,
            [this] { browseSecondParameter(action_->currentText(), destin2_); });
    connect(hoverAction_, &QComboBox::currentIndexChanged, this, &TextDialog::onHoverActionChanged);
}

void TextDialog::buildButtons() {
    // OK is the default: the memo keeps Enter for its new lines.
    const ButtonRow row = makeButtonRow({}, true, "BitBtn4");
    position_ = row.position;
    previewButton_ = row.preview;
    help_ = row.help;
    static_cast<QVBoxLayout*>(layout())->addLayout(row.layout);
    if (!QFileInfo::exists(helpPath())) {
        markNotAvailable(help_, text(lang::NotAvailableYet));
    }
}

}  // namespace ztv::editor
