#include "common/formats/LangLines.h"
#include "editor/dialogs/DialogControls.h"
#include "editor/dialogs/SpriteDialog.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/NumberLists.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

// The controls of the character and animation dialogs: the strip, how it shows, where it
// starts, its action and the button row.
namespace ztv::editor {

SpriteDialog::SpriteDialog(SessionSettings& settings, Prompter& prompter, Storyboard& storyboard,
                           bool hasElement, const Wording& wording, QWidget* parent)
    : ElementDialog(settings, prompter, storyboard, hasElement, parent), wording_(wording) {
    setWindowTitle(text(wording.placeCaption));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    buildPictureBox(grid);
    buildShowBox(grid);
    buildActionBox(grid);
    buildButtons();
}

void SpriteDialog::buildPictureBox(QGridLayout* grid) {
    auto* box = panelGroup(text(wording_.pictureGroup), "GroupBox1", this);
    auto* layout = new QGridLayout(box);
    options_ = new QButtonGroup(this);
    pictureOption_ = named(new QRadioButton(text(lang::StripPictureOption), box), "RadioButton1");
    disappearOption_ = named(new QRadioButton(text(wording_.disappearOption), box), "RadioButton4");
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
    frames_ = named(new QSpinBox(box), "SpinEdit2");
    frames_->setRange(1, 100);
    makeStrip_ = named(new QPushButton(text(lang::ButtonNew), box), "BitBtn2");
    layout->addWidget(pictureOption_, 0, 0, 1, 3);
    layout->addWidget(edit1_, 1, 0, 1, 2);
    layout->addWidget(browse_, 1, 2);
    layout->addWidget(panel_, 2, 0, 1, 3, Qt::AlignCenter);
    layout->addWidget(new QLabel(text(lang::FrameCountLabel), box), 3, 0);
    layout->addWidget(frames_, 3, 1);
    layout->addWidget(makeStrip_, 3, 2);
    layout->addWidget(disappearOption_, 4, 0, 1, 3);
    disappearOption_->setMinimumWidth(disappearOption_->sizeHint().width());
    grid->addWidget(box, 0, 0);

    connect(options_, &QButtonGroup::idClicked, this, [this] { onOptionClicked(); });
    connect(browse_, &QPushButton::clicked, this, &SpriteDialog::choosePicture);
    connect(makeStrip_, &QPushButton::clicked, this, &SpriteDialog::makeStrip);
    connect(frames_, &QSpinBox::valueChanged, this, &SpriteDialog::onFramesChanged);
}

void SpriteDialog::buildShowBox(QGridLayout* grid) {
    auto* box = panelGroup(text(lang::ShowGroup), "GroupBox2", this);
    auto* layout = new QGridLayout(box);
    appearance_ = named(new QComboBox(box), "ComboBox5");
    speed_ = numberList(box, "ComboBox4", speedEntries());
    endPose_ = named(new QComboBox(box), "ComboBox3");
    autoDisappear_ = named(new QCheckBox(text(lang::AutoDisappearOption), box), "CheckBox2");
    joinBackground_ = named(new QCheckBox(text(wording_.joinBackground), box), "CheckBox4");
    layout->addWidget(new QLabel(text(lang::AppearanceLabel), box), 0, 0);
    layout->addWidget(appearance_, 0, 1);
    layout->addWidget(new QLabel(text(lang::SpeedLabel), box), 1, 0);
    layout->addWidget(speed_, 1, 1);
    layout->addWidget(endPose_, 2, 0, 1, 2);
    layout->addWidget(autoDisappear_, 3, 0, 1, 2);
    layout->addWidget(joinBackground_, 4, 0, 1, 2);
    kindBox_ = new QGridLayout;
    layout->addLayout(kindBox_, 5, 0, 1, 2);
    layout->setRowStretch(6, 1);
    grid->addWidget(box, 0, 1);

    auto* positionBox = panelGroup(text(lang::PositionGroup), "GroupBox3", this);
    auto* position = new QHBoxLayout(positionBox);
    const char* names[] = {"Edit2", "Edit3", "Edit4", "Edit5"};
    for (int i = 0; i < 4; ++i) {
        const int line = i < 2 ? wording_.firstRectLabel + i : lang::PositionLeftLabel + i;
        rectLabels_[std::size_t(i)] = new QLabel(text(line), positionBox);
        rect_[std::size_t(i)] = named(new QLineEdit(positionBox), names[i]);
        rect_[std::size_t(i)]->setFixedWidth(70);
        // A figure is one frame of its strip: its size follows the strip.
        rect_[std::size_t(i)]->setEnabled(i < 2);
        position->addWidget(rectLabels_[std::size_t(i)]);
        position->addWidget(rect_[std::size_t(i)]);
        position->addSpacing(12);
    }
    position->addStretch();
    grid->addWidget(positionBox, 1, 0, 1, 2);

    connect(appearance_, &QComboBox::activated, this, &SpriteDialog::onAppearanceChanged);
}

void SpriteDialog::buildActionBox(QGridLayout* grid) {
    auto* box = panelGroup(text(lang::ActionGroup), "GroupBox4", this);
    auto* layout = new QGridLayout(box);
    afterClick_ = named(new QRadioButton(text(wording_.afterClick), box), "RadioButton5");
    atOnce_ = named(new QRadioButton(text(wording_.afterClick + 1), box), "RadioButton6");
    action_ = named(new QComboBox(box), "ComboBox2");
    destination_ = named(new QLineEdit(box), "Edit6");
    browseDestination_ = named(new QPushButton(QStringLiteral("..."), box), "BParcourir1");
    destin2_ = named(new QLineEdit(box), "Editd");
    browseDestin2_ = named(new QPushButton(QStringLiteral("..."), box), "BParcourir2");
    reverse_ = named(new QCheckBox(text(lang::ReverseNextEffect), box), "CheckBox3");
    browseDestination_->setFixedWidth(32);
    browseDestin2_->setFixedWidth(32);
    layout->addWidget(afterClick_, 0, 0);
    layout->addWidget(atOnce_, 0, 1, 1, 2);
    layout->addWidget(action_, 1, 0);
    layout->addWidget(reverse_, 1, 1, 1, 2);
    layout->addWidget(destination_, 2, 0);
    layout->addWidget(browseDestination_, 2, 1);
    layout->addWidget(destin2_, 3, 0);
    layout->addWidget(browseDestin2_, 3, 1);
    grid->addWidget(box, 2, 0, 1, 2);

    connect(action_, &QComboBox::currentIndexChanged, this, &SpriteDialog::onActionChanged);
    connect(browseDestination_, &QPushButton::clicked, this,
            [this] { browseFirstParameter(action_->currentText(), destination_); });
    connect(browseDestin2_, &QPushButton::clicked, this,
            [this] { browseSecondParameter(action_->currentText(), destin2_); });
}

void SpriteDialog::buildButtons() {
    const ButtonRow row = makeButtonRow(
        {{"BitBtn5", lang::ScannerButton}, {"BRetouch", lang::DrawButton}}, true, "BitBtnAide");
    position_ = row.position;
    previewButton_ = row.preview;
    help_ = row.help;
    static_cast<QVBoxLayout*>(layout())->addLayout(row.layout);
    connect(row.tools[1], &QPushButton::clicked, this, &SpriteDialog::startPictureEditor);
    connect(row.tools[0], &QPushButton::clicked, this, &SpriteDialog::startScanner);
}

}  // namespace ztv::editor
