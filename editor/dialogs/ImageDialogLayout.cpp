#include "editor/dialogs/ImageDialog.h"

#include "common/formats/LangLines.h"
#include "editor/dialogs/DialogControls.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/NumberLists.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

// The image dialog's controls: its two tabs and its button row.
namespace ztv::editor {

ImageDialog::ImageDialog(SessionSettings& settings, Prompter& prompter, Storyboard& storyboard,
                         bool hasElement, QWidget* parent)
    : ElementDialog(settings, prompter, storyboard, hasElement, parent) {
    setObjectName(QStringLiteral("FormVis"));
    setWindowTitle(text(lang::PlacePictureCaption));
    chooseColour = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(initial, this);
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    };
    auto* layout = new QVBoxLayout(this);
    tabs_ = named(new QTabWidget(this), "PageControl1");
    auto* imageTab = named(new QWidget, "TabSheet1");
    auto* actionsTab = named(new QWidget, "TabSheet2");
    fillWithPanelColour(imageTab);
    fillWithPanelColour(actionsTab);
    tabs_->addTab(imageTab, text(lang::KindPicture));
    tabs_->addTab(actionsTab, text(lang::ActionGroup));
    layout->addWidget(tabs_);
    buildImageTab(imageTab);
    buildActionsTab(actionsTab);
    buildButtons();
    tabs_->setCurrentIndex(0);
}

void ImageDialog::buildImageTab(QWidget* tab) {
    auto* grid = new QGridLayout(tab);

    auto* typeBox = panelGroup(text(lang::PictureTypeGroup), "GroupBox1", tab);
    auto* typeLayout = new QGridLayout(typeBox);
    typeGroup_ = new QButtonGroup(this);
    const char* typeNames[] = {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"};
    for (int i = 0; i < 4; ++i) {
        types_[std::size_t(i)] =
            named(new QRadioButton(text(lang::PictureTypeFile + i), typeBox), typeNames[i]);
        typeGroup_->addButton(types_[std::size_t(i)], i);
    }
    edit1_ = named(new QLineEdit(typeBox), "Edit1");
    browse_ = named(new QPushButton(QStringLiteral("..."), typeBox), "BParcourir");
    browse_->setFixedWidth(32);
    typeLayout->addWidget(types_[0], 0, 0, 1, 3);
    typeLayout->addWidget(edit1_, 1, 0, 1, 2);
    typeLayout->addWidget(browse_, 1, 2);
    typeLayout->addWidget(types_[1], 2, 0, 1, 3);
    direction_ = named(new QComboBox(typeBox), "ComboBox6");
    typeLayout->addWidget(direction_, 3, 0);
    const char* swatchNames[] = {"PaintBox1", "PaintBox2", "PaintBox3"};
    auto* gradientSwatches = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* swatch = named(new QFrame(typeBox), swatchNames[i]);
        swatch->setFrameShape(QFrame::Box);
        swatch->setFixedSize(40, 20);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->installEventFilter(this);
        swatches_[std::size_t(i)] = swatch;
    }
    gradientSwatches->addWidget(swatches_[1]);
    gradientSwatches->addWidget(swatches_[2]);
    gradientSwatches->addStretch();
    typeLayout->addLayout(gradientSwatches, 3, 1, 1, 2);
    typeLayout->addWidget(types_[2], 4, 0, 1, 2);
    typeLayout->addWidget(swatches_[0], 4, 2);
    typeLayout->addWidget(types_[3], 5, 0, 1, 3);
    types_[3]->setMinimumWidth(types_[3]->sizeHint().width());
    grid->addWidget(typeBox, 0, 0);

    panel_ = named(new QFrame(tab), "Panel1");
    panel_->setFrameShape(QFrame::StyledPanel);
    panel_->setFixedSize(kPreviewPanel);
    panel_->setCursor(Qt::PointingHandCursor);
    panel_->installEventFilter(this);
    image_ = named(new QLabel(panel_), "Image1");
    image_->setScaledContents(true);
    image_->setAttribute(Qt::WA_TransparentForMouseEvents);
    grid->addWidget(panel_, 1, 0, Qt::AlignCenter);

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
    appearance_ = named(new QComboBox(showBox), "ComboBox5");
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
    addRow(2, lang::AppearanceLabel, appearance_);
    addRow(3, lang::SpeedLabel, speed_);
    addRow(4, lang::WaitLabel, wait_, new QLabel(text(lang::SecondsLabel), showBox));
    addRow(5, lang::EffectStepLabel, step_);
    addRow(6, lang::EffectStartLabel, start_);
    addRow(7, lang::EffectEndLabel, end_);
    autoDisappear_ = named(new QCheckBox(text(lang::AutoDisappearOption), showBox), "CheckBox2");
    joinBackground_ = named(new QCheckBox(text(lang::JoinBackgroundOption), showBox), "CheckBox4");
    show->addWidget(autoDisappear_, 8, 0, 1, 3);
    show->addWidget(joinBackground_, 9, 0, 1, 3);
    grid->addWidget(showBox, 0, 1, 2, 1);

    auto* positionBox = panelGroup(text(lang::PositionGroup), "GroupBox3", tab);
    auto* position = new QHBoxLayout(positionBox);
    const char* rectNames[] = {"Edit2", "Edit3", "Edit4", "Edit5"};
    for (int i = 0; i < 4; ++i) {
        rectLabels_[std::size_t(i)] = new QLabel(text(lang::PositionLeftLabel + i), positionBox);
        rect_[std::size_t(i)] = named(new QLineEdit(positionBox), rectNames[i]);
        rect_[std::size_t(i)]->setFixedWidth(70);
        position->addWidget(rectLabels_[std::size_t(i)]);
        position->addWidget(rect_[std::size_t(i)]);
        position->addSpacing(16);
    }
    position->addStretch();
    grid->addWidget(positionBox, 2, 0, 1, 2);

    connect(typeGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { onImageTypeChosen(ImageType(id)); });
    connect(browse_, &QPushButton::clicked, this, &ImageDialog::choosePicture);
    edit1_->installEventFilter(this);
    connect(edit1_, &QLineEdit::editingFinished, this, &ImageDialog::takeTypedPicture);
    connect(appearance_, &QComboBox::activated, this, &ImageDialog::onAppearanceChanged);
    connect(effect_, &QComboBox::currentIndexChanged, this, &ImageDialog::onEffectChanged);
    connect(direction_, &QComboBox::activated, this, [this] {
        if (imageType() == ImageType::Gradient) {
            drawPreview();
        }
    });
}

void ImageDialog::buildActionsTab(QWidget* tab) {
    auto* layout = new QVBoxLayout(tab);
    auto* actionBox = panelGroup(text(lang::ActionGroup), "GroupBox4", tab);
    auto* action = new QGridLayout(actionBox);
    afterClick_ = named(new QRadioButton(text(lang::ActAfterClick), actionBox), "RadioButton5");
    atOnce_ = named(new QRadioButton(text(lang::ActAtOnce), actionBox), "RadioButton6");
    action_ = named(new QComboBox(actionBox), "ComboBox2");
    destination_ = named(new QLineEdit(actionBox), "Edit6");
    browseDestination_ = named(new QPushButton(QStringLiteral("..."), actionBox), "BParcourir1");
    destin2_ = named(new QLineEdit(actionBox), "Editd");
    browseDestin2_ = named(new QPushButton(QStringLiteral("..."), actionBox), "BParcourir2");
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
    hoverGroup_ = hoverBox;
    auto* hover = new QGridLayout(hoverBox);
    hoverPath_ = named(new QLineEdit(hoverBox), "EditSurvol");
    auto* browseHover = named(new QPushButton(QStringLiteral("..."), hoverBox), "BSurvol");
    auto* clearHover = named(new QPushButton(QStringLiteral("X"), hoverBox), "BEffSurvol");
    browseHover->setFixedWidth(32);
    clearHover->setFixedWidth(32);
    hoverAction_ = named(new QComboBox(hoverBox), "ComboSurvol");
    hoverPage_ = named(new QLineEdit(QStringLiteral("1"), hoverBox), "EditSurvol1");
    hoverColumn_ = named(new QLineEdit(QStringLiteral("1"), hoverBox), "EditSurvol2");
    restoreOnExit_ =
        named(new QCheckBox(text(lang::HoverRestoreOnExit), hoverBox), "CheckMouseExit");
    hoverPanel_ = named(new QFrame(hoverBox), "PanelSurvol");
    hoverPanel_->setFrameShape(QFrame::StyledPanel);
    hoverPanel_->setFixedSize(kHoverPanel);
    hoverImage_ = named(new QLabel(hoverPanel_), "ImageSurvol");
    hoverImage_->setScaledContents(true);
    hover->addWidget(new QLabel(text(lang::HoverPictureCaption), hoverBox), 0, 0);
    hover->addWidget(hoverPath_, 0, 1);
    hover->addWidget(browseHover, 0, 2);
    hover->addWidget(clearHover, 0, 3);
    hover->addWidget(hoverAction_, 1, 0, 1, 2);
    auto* pageColumn = new QHBoxLayout;
    pageColumn->addWidget(hoverPage_);
    pageColumn->addWidget(hoverColumn_);
    hover->addLayout(pageColumn, 2, 0, 1, 2);
    hover->addWidget(restoreOnExit_, 3, 0, 1, 4);
    hover->addWidget(hoverPanel_, 1, 2, 2, 2, Qt::AlignCenter);
    layout->addWidget(hoverBox);
    layout->addStretch();

    connect(action_, &QComboBox::currentIndexChanged, this, &ImageDialog::onActionChanged);
    connect(browseDestination_, &QPushButton::clicked, this,
            [this] { browseFirstParameter(action_->currentText(), destination_); });
    connect(browseDestin2_, &QPushButton::clicked, this,
            [this] { browseSecondParameter(action_->currentText(), destin2_); });
    connect(browseHover, &QPushButton::clicked, this, &ImageDialog::chooseHoverPicture);
    connect(clearHover, &QPushButton::clicked, this, &ImageDialog::clearHoverPicture);
    connect(hoverAction_, &QComboBox::currentIndexChanged, this,
            &ImageDialog::onHoverActionChanged);
}

void ImageDialog::buildButtons() {
    const ButtonRow row = makeButtonRow(
        {{"BitBtn2", lang::ScannerButton}, {"BRetouch", lang::DrawButton}}, true, "BitBtn4");
    position_ = row.position;
    previewButton_ = row.preview;
    help_ = row.help;
    static_cast<QVBoxLayout*>(layout())->addLayout(row.layout);
    if (!QFileInfo::exists(helpPath())) {
        markNotAvailable(help_, text(lang::NotAvailableYet));
    }
    connect(row.tools[1], &QPushButton::clicked, this, &ImageDialog::startPictureEditor);
    connect(row.tools[0], &QPushButton::clicked, this, &ImageDialog::startScanner);
}

}  // namespace ztv::editor
