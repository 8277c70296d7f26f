#include "common/formats/LangLines.h"
#include "editor/dialogs/DialogControls.h"
#include "editor/dialogs/PanoramaDialog.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/NumberLists.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

// The panorama dialog's controls: its picture, how it comes in and scrolls, its window on the
// page and the button row.
namespace ztv::editor {

PanoramaDialog::PanoramaDialog(SessionSettings& settings, Prompter& prompter,
                               Storyboard& storyboard, bool hasElement, QWidget* parent)
    : ElementDialog(settings, prompter, storyboard, hasElement, parent) {
    setObjectName(QStringLiteral("vpan"));
    setWindowTitle(text(lang::PlacePanoramaCaption));
    new QVBoxLayout(this);
    buildPictureBox();
    buildShowBox();
    buildButtons();
}

void PanoramaDialog::buildPictureBox() {
    auto* box = panelGroup(text(lang::PanoramaPictureGroup), "GroupBox1", this);
    auto* layout = new QGridLayout(box);
    options_ = new QButtonGroup(this);
    pictureOption_ =
        named(new QRadioButton(text(lang::PanoramaPictureOption), box), "RadioButton1");
    disappearOption_ =
        named(new QRadioButton(text(lang::PanoramaDisappearOption), box), "RadioButton4");
    options_->addButton(pictureOption_, 0);
    options_->addButton(disappearOption_, 1);
    edit1_ = named(new QLineEdit(box), "Edit1");
    edit1_->setReadOnly(true);
    browse_ = named(new QPushButton(QStringLiteral("..."), box), "BitBtn1");
    browse_->setFixedWidth(32);
    panel_ = named(new QFrame(box), "Panel1");
    panel_->setFrameShape(QFrame::StyledPanel);
    panel_->setFixedSize(240, 120);
    image_ = named(new QLabel(panel_), "Image1");
    image_->setScaledContents(true);
    auto* hint = named(new QLabel(text(lang::PanoramaScrollHint), box), "Label1");
    hint->setWordWrap(true);
    layout->addWidget(pictureOption_, 0, 0, 1, 2);
    layout->addWidget(edit1_, 1, 0);
    layout->addWidget(browse_, 1, 1);
    layout->addWidget(panel_, 2, 0, 1, 2, Qt::AlignCenter);
    layout->addWidget(hint, 3, 0, 1, 2);
    layout->addWidget(disappearOption_, 4, 0, 1, 2);
    disappearOption_->setMinimumWidth(disappearOption_->sizeHint().width());
    auto* top = new QHBoxLayout;
    top->addWidget(box);
    static_cast<QVBoxLayout*>(this->layout())->addLayout(top);

    connect(options_, &QButtonGroup::idClicked, this, [this] { onOptionClicked(); });
    connect(browse_, &QPushButton::clicked, this, &PanoramaDialog::choosePicture);
}

void PanoramaDialog::buildShowBox() {
    auto* box = panelGroup(text(lang::ShowGroup), "GroupBox2", this);
    auto* layout = new QGridLayout(box);
    effect_ = named(new QComboBox(box), "ComboBox3");
    effect_->setMinimumWidth(200);
    bandsLabel_ = named(new QLabel(text(lang::BandsLabel), box), "Label8");
    bands_ = named(new QLineEdit(box), "Edit8");
    stretch_ = named(new QCheckBox(text(lang::StretchOption), box), "CheckBox1");
    speed_ = numberList(box, "ComboBox4", speedEntries());
    auto percent = [box](const char* name) {
        auto* spin = named(new QSpinBox(box), name);
        spin->setRange(1, 100);
        spin->setValue(20);
        return spin;
    };
    stepX_ = percent("SpinEdit2");
    stepY_ = percent("SpinEdit1");
    wrapAround_ = named(new QCheckBox(text(lang::WrapAroundOption), box), "CheckBox3");
    joinBackground_ = named(new QCheckBox(text(lang::PanoramaJoinBackground), box), "CheckBox4");
    autoDisappear_ = named(new QCheckBox(text(lang::AutoDisappearOption), box), "CheckBox2");
    int row = 0;
    auto addRow = [&](int line, QWidget* field) {
        layout->addWidget(new QLabel(text(line), box), row, 0);
        layout->addWidget(field, row++, 1);
    };
    addRow(lang::EffectLabel, effect_);
    layout->addWidget(bandsLabel_, row, 0);
    layout->addWidget(bands_, row, 1);
    layout->addWidget(stretch_, row++, 1);
    addRow(lang::SpeedLabel, speed_);
    addRow(lang::ScrollWidthLabel, stepX_);
    addRow(lang::ScrollHeightLabel, stepY_);
    for (QCheckBox* check : {wrapAround_, joinBackground_, autoDisappear_}) {
        layout->addWidget(check, row++, 0, 1, 2);
    }
    auto* top = static_cast<QHBoxLayout*>(this->layout()->itemAt(0)->layout());
    top->addWidget(box);

    auto* positionBox = panelGroup(text(lang::PositionGroup), "GroupBox3", this);
    auto* position = new QHBoxLayout(positionBox);
    const char* names[] = {"Edit2", "Edit3", "Edit4", "Edit5"};
    for (int i = 0; i < 4; ++i) {
        rect_[std::size_t(i)] = named(new QLineEdit(positionBox), names[i]);
        rect_[std::size_t(i)]->setFixedWidth(70);
        position->addWidget(new QLabel(text(lang::PositionLeftLabel + i), positionBox));
        position->addWidget(rect_[std::size_t(i)]);
        position->addSpacing(12);
    }
    position->addStretch();
    static_cast<QVBoxLayout*>(this->layout())->addWidget(positionBox);

    connect(effect_, &QComboBox::currentIndexChanged, this, &PanoramaDialog::onEffectChanged);
}

void PanoramaDialog::buildButtons() {
    const ButtonRow row = makeButtonRow(
        {{"BitBtn5", lang::ScannerButton}, {"BRetouch", lang::DrawButton}}, true, "BitBtn3");
    position_ = row.position;
    previewButton_ = row.preview;
    help_ = row.help;
    static_cast<QVBoxLayout*>(layout())->addLayout(row.layout);
    connect(row.tools[1], &QPushButton::clicked, this, &PanoramaDialog::startPictureEditor);
    connect(row.tools[0], &QPushButton::clicked, this, &PanoramaDialog::startScanner);
}

}  // namespace ztv::editor
