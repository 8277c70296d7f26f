#include "editor/dialogs/TFormVis.h"

#include "common/formats/ColorText.h"
#include "common/formats/LangLines.h"
#include "common/formats/PictureLoader.h"
#include "common/platform/Prompter.h"
#include "common/platform/ShownPath.h"
#include "common/platform/WinPath.h"
#include "editor/app/EditorState.h"
#include "editor/dialogs/DialogButton.h"
#include "editor/dialogs/MediaLookup.h"
#include "editor/dialogs/NumberLists.h"
#include "editor/dialogs/PathField.h"
#include "editor/dialogs/ReducedCopy.h"
#include "editor/dialogs/ToolSettingsDialog.h"
#include "editor/document/Storyboard.h"
#include "editor/position/HandleGeometry.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ztv::editor {

namespace {

constexpr QSize kPreviewPanel(240, 180);
constexpr QSize kHoverPanel(120, 90);

std::int32_t colourValue(const QColor& c) {
    return std::int32_t(valueOfColour(c));
}

QColor colourOf(std::int32_t value) {
    return colourOfValue(std::uint32_t(value));
}

QGroupBox* panelGroup(const QString& title, const char* name, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    fillWithPanelColour(group);
    return group;
}

template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

void showPicture(QLabel* label, const PictureControl& control, const QRect& geometry) {
    label->setGeometry(geometry);
    label->setPixmap(control.image.isNull() ? QPixmap() : QPixmap::fromImage(control.shown()));
    label->setVisible(!control.image.isNull());
}

}  // namespace

TFormVis::TFormVis(EditorState& state, Prompter& prompter, Storyboard& storyboard, QWidget* parent)
    : ElementDialog(state, prompter, storyboard, parent) {
    setObjectName(QStringLiteral("FormVis"));
    setWindowTitle(text(637));
    chooseColour = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(initial, this);
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    };
    startProgram = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };
    auto* layout = new QVBoxLayout(this);
    tabs_ = named(new QTabWidget(this), "PageControl1");
    auto* imageTab = named(new QWidget, "TabSheet1");
    auto* actionsTab = named(new QWidget, "TabSheet2");
    fillWithPanelColour(imageTab);
    fillWithPanelColour(actionsTab);
    tabs_->addTab(imageTab, text(163));
    tabs_->addTab(actionsTab, text(635));
    layout->addWidget(tabs_);
    buildImageTab(imageTab);
    buildActionsTab(actionsTab);
    buildButtons();
    tabs_->setCurrentIndex(0);
}

void TFormVis::buildImageTab(QWidget* tab) {
    auto* grid = new QGridLayout(tab);

    auto* typeBox = panelGroup(text(638), "GroupBox1", tab);
    auto* typeLayout = new QGridLayout(typeBox);
    typeGroup_ = new QButtonGroup(this);
    const char* typeNames[] = {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"};
    for (int i = 0; i < 4; ++i) {
        types_[std::size_t(i)] = named(new QRadioButton(text(641 + i), typeBox), typeNames[i]);
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

    auto* showBox = panelGroup(text(538), "GroupBox2", tab);
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
    bandsLabel_ = named(new QLabel(text(548), showBox), "Label8");
    bands_ = named(new QLineEdit(showBox), "Edit8");
    stretch_ = named(new QCheckBox(text(533), showBox), "CheckBox1");
    step_ = numberList(showBox, "ComboPas", countdown(100, 1));
    showNumber(step_, 6);
    start_ = numberList(showBox, "ComboDep", countdown(100, 0));
    showNumber(start_, 0);
    end_ = numberList(showBox, "ComboArr", countdown(100, 0));
    showNumber(end_, 100);
    addRow(0, 545, effect_);
    show->addWidget(bandsLabel_, 1, 0);
    show->addWidget(bands_, 1, 1);
    show->addWidget(stretch_, 1, 2);
    addRow(2, 628, appearance_);
    addRow(3, 546, speed_);
    addRow(4, 639, wait_, new QLabel(text(640), showBox));
    addRow(5, 806, step_);
    addRow(6, 807, start_);
    addRow(7, 808, end_);
    autoDisappear_ = named(new QCheckBox(text(534), showBox), "CheckBox2");
    joinBackground_ = named(new QCheckBox(text(636), showBox), "CheckBox4");
    show->addWidget(autoDisappear_, 8, 0, 1, 3);
    show->addWidget(joinBackground_, 9, 0, 1, 3);
    grid->addWidget(showBox, 0, 1, 2, 1);

    auto* positionBox = panelGroup(text(539), "GroupBox3", tab);
    auto* position = new QHBoxLayout(positionBox);
    const char* rectNames[] = {"Edit2", "Edit3", "Edit4", "Edit5"};
    for (int i = 0; i < 4; ++i) {
        rectLabels_[std::size_t(i)] = new QLabel(text(540 + i), positionBox);
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
    connect(browse_, &QPushButton::clicked, this, &TFormVis::choosePicture);
    edit1_->installEventFilter(this);
    connect(edit1_, &QLineEdit::editingFinished, this, &TFormVis::takeTypedPicture);
    connect(appearance_, &QComboBox::activated, this, &TFormVis::onAppearanceChanged);
    connect(effect_, &QComboBox::currentIndexChanged, this, &TFormVis::onEffectChanged);
    connect(direction_, &QComboBox::activated, this, [this] {
        if (imageType() == ImageType::Gradient) {
            drawPreview();
        }
    });
}

void TFormVis::buildActionsTab(QWidget* tab) {
    auto* layout = new QVBoxLayout(tab);
    auto* actionBox = panelGroup(text(635), "GroupBox4", tab);
    auto* action = new QGridLayout(actionBox);
    afterClick_ = named(new QRadioButton(text(645), actionBox), "RadioButton5");
    atOnce_ = named(new QRadioButton(text(646), actionBox), "RadioButton6");
    action_ = named(new QComboBox(actionBox), "ComboBox2");
    destination_ = named(new QLineEdit(actionBox), "Edit6");
    browseDestination_ = named(new QPushButton(QStringLiteral("..."), actionBox), "BParcourir1");
    destin2_ = named(new QLineEdit(actionBox), "Editd");
    browseDestin2_ = named(new QPushButton(QStringLiteral("..."), actionBox), "BParcourir2");
    reverse_ = named(new QCheckBox(text(622), actionBox), "CheckBox3");
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

    auto* hoverBox = panelGroup(text(809), "GroupBox5", tab);
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
    restoreOnExit_ = named(new QCheckBox(text(810), hoverBox), "CheckMouseExit");
    hoverPanel_ = named(new QFrame(hoverBox), "PanelSurvol");
    hoverPanel_->setFrameShape(QFrame::StyledPanel);
    hoverPanel_->setFixedSize(kHoverPanel);
    hoverImage_ = named(new QLabel(hoverPanel_), "ImageSurvol");
    hoverImage_->setScaledContents(true);
    hover->addWidget(new QLabel(text(811), hoverBox), 0, 0);
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

    connect(action_, &QComboBox::currentIndexChanged, this, &TFormVis::onActionChanged);
    connect(browseDestination_, &QPushButton::clicked, this,
            [this] { browseFirstParameter(action_->currentText(), destination_); });
    connect(browseDestin2_, &QPushButton::clicked, this,
            [this] { browseSecondParameter(action_->currentText(), destin2_); });
    connect(browseHover, &QPushButton::clicked, this, &TFormVis::chooseHoverPicture);
    connect(clearHover, &QPushButton::clicked, this, &TFormVis::clearHoverPicture);
    connect(hoverAction_, &QComboBox::currentIndexChanged, this, &TFormVis::onHoverActionChanged);
}

void TFormVis::buildButtons() {
    auto* row = new QHBoxLayout;
    auto button = [this, row](const char* name, int line) {
        auto* b = dialogButton(this, name, text(line), QRect());
        row->addWidget(b);
        return b;
    };
    auto* scanner = button("BitBtn2", 529);
    auto* draw = button("BRetouch", 530);
    position_ = button("Button1", 531);
    previewButton_ = button("BVisualis", 532);
    row->addStretch();
    auto* ok = button("OKBtn", lang::ButtonOk);
    auto* cancel = button("CancelBtn", lang::ButtonCancel);
    help_ = button("BitBtn4", lang::ButtonHelp);
    ok->setDefault(true);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(position_, &QPushButton::clicked, this, [this] { positionElement(false); });
    connect(previewButton_, &QPushButton::clicked, this, [this] { positionElement(true); });
    if (!QFileInfo::exists(helpPath())) {
        markNotAvailable(help_, text(lang::NotAvailableYet));
    }
    connect(ok, &QPushButton::clicked, this, &TFormVis::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help_, &QPushButton::clicked, this, &TFormVis::showHelp);
    connect(draw, &QPushButton::clicked, this, &TFormVis::BRetouchClick);
    connect(scanner, &QPushButton::clicked, this, &TFormVis::BitBtn2Click);
}

QString TFormVis::helpPage(bool french) const {
    if (row_ == 3) {
        return french ? QStringLiteral("fondecran.html") : QStringLiteral("background.html");
    }
    return QStringLiteral("image.html");
}

void TFormVis::fillLists() {
    loading_ = true;
    fillTransitionList(effect_);
    fillFromLines(appearance_, {{200, 216}});
    fillActionList(action_);
    fillFromLines(direction_, {{180, 182}});
    fillFromLines(hoverAction_, {{280, 280}, {283, 283}});
    setWindowTitle(text(existing_ ? 430 : 637));
    preview_ = PictureControl{};
    showRect(storyboard_.defaultRect(row_));
}

void TFormVis::setNewDefaults() {
    wait_->setText(QStringLiteral("0"));
    action_->setCurrentIndex(0);
    effect_->setCurrentIndex(0);
    speed_->setCurrentIndex(0);
    appearance_->setCurrentIndex(0);
    direction_->setCurrentIndex(0);
    types_[0]->setChecked(true);
    afterClick_->setChecked(true);
    hoverAction_->setCurrentIndex(0);
    restoreOnExit_->setChecked(true);
}

void TFormVis::InitVisuel(const ElementRecord& r) {
    showRect(recordRect(r));
    selectText(effect_, r.Effet);
    showNumber(speed_, r.Vitesse);
    selectText(appearance_, r.Transparent);
    selectText(action_, r.Acte);
    showNumber(step_, r.EffetPas);
    showNumber(start_, r.EffetDepart);
    showNumber(end_, r.EffetFin);
    wait_->setText(QLocale().toString(r.Attente));
    showStoredPath(destination_, r.Destination, shownPath(state_.drives, r.Destination));
    showStoredPath(destin2_, r.Destin2, shownPath(state_.drives, r.Destin2));
    bands_->setText(QString::number(r.size));
    storedSize_ = r.size;
    showStoredPath(hoverPath_, r.SurvolFichier, shownMediaPath(state_, r.SurvolFichier));
    reverse_->setChecked(isOui(r.Inverse));
    joinBackground_->setChecked(isOui(r.IntegrFond));
    autoDisappear_->setChecked(isOui(r.DisparAuto));
    (isOui(r.Click) ? afterClick_ : atOnce_)->setChecked(true);
    restoreOnExit_->setChecked(r.SurvolRetablir == 1);
    hoverAction_->setCurrentIndex(r.SurvolAction == 1 ? 1 : 0);
    hoverPage_->setText(r.SurvolAction == 1 ? QString::number(r.SurvolPage) : QStringLiteral("1"));
    hoverColumn_->setText(r.SurvolAction == 1 ? QString::number(r.SurvolColonne)
                                              : QStringLiteral("1"));
    if (!r.SurvolFichier.isEmpty()) {
        hover_.image = QImage();
        if (pictures_.prepare(hover_, r.SurvolFichier, QString(), Qt::white, Qt::white, QString(),
                              false, QString())) {
            showPicture(hoverImage_, hover_, previewFitRect(kHoverPanel, state_.loadedSize));
        }
    }
    if (isLine(r.Fichier, lang::MarkerPlainBackground)) {
        state_.rememberedColours[0] = colourOf(r.Couleur);
        types_[2]->setChecked(true);
    } else if (isLine(r.Fichier, lang::MarkerGradient)) {
        state_.rememberedColours[1] = colourOf(r.Couleur);
        state_.rememberedColours[2] = colourOf(r.Couldegra);
        selectText(direction_, r.sensdegra);
        types_[1]->setChecked(true);
    } else if (isLine(r.Fichier, lang::MarkerDisappear) ||
               isLine(r.Fichier, lang::MarkerBackgroundDisappear)) {
        types_[3]->setChecked(true);
        showRect(recordRect(r));
    } else {
        showStoredPath(edit1_, r.Fichier, shownMediaPath(state_, r.Fichier));
        types_[0]->setChecked(true);
    }
}

void TFormVis::afterActivate() {
    showActionParameters(action_->currentText(), destination_, browseDestination_, destin2_,
                         browseDestin2_);
    showTransitionOption(effect_->currentText(), bandsLabel_, bands_, stretch_, storedSize_);
    onHoverActionChanged();
    paintSwatches();
    if (isBackground()) {
        setWindowTitle(text(existing_ ? 463 : 462));
        joinBackground_->setEnabled(false);
        autoDisappear_->setEnabled(false);
        types_[3]->setText(text(109));
        showRect(QRect(0, 0, state_.projectWidth, state_.projectHeight));
        for (int i : {0, 1}) {
            rectLabels_[std::size_t(i)]->hide();
            rect_[std::size_t(i)]->hide();
        }
        rect_[2]->setEnabled(false);
        rect_[3]->setEnabled(false);
        hoverPath_->clear();
        hoverGroup_->hide();
    }
    loading_ = false;
    // The chooser waits for the author's click: activation only shows what is there.
    applyTypeControls(imageType());
    drawPreview();
}

TFormVis::ImageType TFormVis::imageType() const {
    const int id = typeGroup_->checkedId();
    return id < 0 ? ImageType::Picture : ImageType(id);
}

void TFormVis::selectImageType(ImageType type) {
    types_[std::size_t(type)]->setChecked(true);
    onImageTypeChosen(type);
}

void TFormVis::showRect(const QRect& rect) {
    const int values[] = {rect.left(), rect.top(), rect.width(), rect.height()};
    for (int i = 0; i < 4; ++i) {
        rect_[std::size_t(i)]->setText(QString::number(values[i]));
    }
}

void TFormVis::applyTypeControls(ImageType type) {
    const bool disappear = type == ImageType::Disappear;
    rect_[0]->setEnabled(true);
    rect_[1]->setEnabled(true);
    rect_[2]->setEnabled(!isBackground());
    rect_[3]->setEnabled(!isBackground());
    previewButton_->setVisible(!disappear);
    position_->setVisible(!disappear && !isBackground());
}

void TFormVis::onImageTypeChosen(ImageType type) {
    if (loading_) {
        return;
    }
    applyTypeControls(type);
    if (type == ImageType::Disappear) {
        preview_ = PictureControl{};
        showPicture(image_, preview_, QRect());
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

bool TFormVis::drawPreview() {
    const ImageType type = imageType();
    if (type == ImageType::Disappear || (type == ImageType::Picture && edit1_->text().isEmpty())) {
        preview_ = PictureControl{};
        showPicture(image_, preview_, QRect());
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
    const QColor first = gradient ? state_.rememberedColours[1] : state_.rememberedColours[0];
    const QColor second = gradient ? state_.rememberedColours[2] : QColor(Qt::white);
    const bool ok = pictures_.prepare(preview_, marker, appearance_->currentText(), first, second,
                                      direction_->currentText(), false, QString());
    showPicture(image_, preview_, area);
    paintSwatches();
    return ok;
}

bool TFormVis::fitPreview() {
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
        showPicture(image_, PictureControl{}, QRect());
        return false;
    }
    showPicture(image_, preview_, previewFitRect(kPreviewPanel, state_.loadedSize));
    return true;
}

void TFormVis::onAppearanceChanged() {
    if (imageType() == ImageType::Disappear) {
        return;
    }
    if (!drawPreview()) {
        prompter_.message(state_.language.message(15));
        appearance_->setCurrentIndex(0);
    }
}

void TFormVis::onEffectChanged() {
    showTransitionOption(effect_->currentText(), bandsLabel_, bands_, stretch_, storedSize_);
}

void TFormVis::onActionChanged() {
    showActionParameters(action_->currentText(), destination_, browseDestination_, destin2_,
                         browseDestin2_);
}

void TFormVis::onHoverActionChanged() {
    const bool goTo = hoverAction_->currentIndex() == 1;
    hoverPage_->setVisible(goTo);
    hoverColumn_->setVisible(goTo);
}

void TFormVis::choosePicture() {
    const QString filter = QStringLiteral(
        "(*.bmp,*.jpg,*.jpeg,*.gif,*.ico;*.emf;*.wmf) (*.bmp *.ico *.emf *.wmf *.jpg *.gif "
        "*.jpeg *.BMP *.ICO *.EMF *.WMF *.JPG *.GIF *.JPEG);;Bitmaps (*.bmp) (*.bmp *.BMP);;"
        "Ico (*.ico) (*.ico *.ICO);;Meta (*.emf) (*.emf *.EMF);;Meta (*.wmf) (*.wmf *.WMF);;"
        "JPEG (*.jpg,*.jpeg) (*.jpg *.jpeg *.JPG *.JPEG);;Gif (*.gif,*.giff) (*.gif *.giff "
        "*.GIF *.GIFF)");
    const QString chosen = prompter_.openFileName(text(641), QString(), filter);
    if (const QString stored = chosen.isEmpty() ? QString() : storedPath(chosen);
        !stored.isEmpty()) {
        usePicture(stored, chosen);
    }
}

// A path typed into the file edit is taken, once, when the edit is left, on Enter or on OK:
// the drive-less form records store, a host path, or a Windows path with its drive.
void TFormVis::takeTypedPicture() {
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
void TFormVis::usePicture(const QString& stored, const QString& shown) {
    showStoredPath(edit1_, stored, shown);
    types_[0]->setChecked(true);
    if (!drawPreview() || preview_.image.isNull()) {
        return;
    }
    const QString extension = winpath::extension(stored).toUpper();
    const QSize screen(state_.projectWidth, state_.projectHeight);
    const QSize loaded = state_.loadedSize;
    if ((extension == u".BMP" || extension == u".JPG" || extension == u".JPEG") &&
        (loaded.width() > screen.width() || loaded.height() > screen.height()) &&
        prompter_.ask(text(125), QString(), Prompter::Buttons::YesNoCancel) == Prompter::Yes) {
        offerReducedCopy(stored);
    }
    if (!isBackground()) {
        const QSize size = state_.loadedSize;
        showRect(QRect((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2,
                       size.width(), size.height()));
    }
}

void TFormVis::offerReducedCopy(const QString& stored) {
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
        reducedSize(state_.loadedSize, QSize(state_.projectWidth, state_.projectHeight));
    QString error;
    if (!picture.ok() || !saveReducedCopy(picture.image, size, target, jpeg, &error)) {
        prompter_.message(text(lang::ReducedCopyNotSaved) + u' ' + target + u'\n' + error);
        return;
    }
    prompter_.inform(text(126) + u' ' + target);
    const QString copyStored = storedPath(target);
    if (copyStored.isEmpty()) {
        return;
    }
    showStoredPath(edit1_, copyStored, target);
    types_[0]->setChecked(true);
    drawPreview();
}

void TFormVis::chooseHoverPicture() {
    const QString chosen = prompter_.openFileName(text(811), QString(), QStringLiteral("* (*)"));
    const QString stored = chosen.isEmpty() ? QString() : storedPath(chosen);
    if (stored.isEmpty()) {
        return;
    }
    showStoredPath(hoverPath_, stored, chosen);
    hover_ = PictureControl{};
    if (pictures_.prepare(hover_, stored, QString(), Qt::white, Qt::white, QString(), false,
                          QString())) {
        showPicture(hoverImage_, hover_, previewFitRect(kHoverPanel, state_.loadedSize));
    }
}

void TFormVis::clearHoverPicture() {
    hoverPath_->clear();
    hover_ = PictureControl{};
    showPicture(hoverImage_, hover_, QRect());
}

QColor TFormVis::swatchColour(int swatch) const {
    return state_.rememberedColours[std::size_t(swatch)];
}

void TFormVis::paintSwatches() {
    for (int i = 0; i < 3; ++i) {
        swatches_[std::size_t(i)]->setStyleSheet(
            QStringLiteral("QFrame { background: %1; }").arg(swatchColour(i).name()));
    }
}

void TFormVis::swatchClick(int swatch) {
    const auto chosen = chooseColour(swatchColour(swatch));
    if (!chosen) {
        return;
    }
    state_.rememberedColours[std::size_t(swatch)] = chosen->toRgb();
    selectImageType(swatch == 0 ? ImageType::Plain : ImageType::Gradient);
}

bool TFormVis::eventFilter(QObject* watched, QEvent* event) {
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
                swatchClick(i);
                return true;
            }
        }
    }
    return ElementDialog::eventFilter(watched, event);
}

void TFormVis::startTool(int settingsLine, bool withPicture) {
    QStringList arguments;
    QString fichier;
    if (withPicture && !edit1_->text().isEmpty() && readStoredPath(edit1_, &fichier)) {
        lookUpMedia(state_, fichier);
        arguments << mediaHostPath(state_, fichier);
    }
    auto configured = [&] {
        const QString tool = state_.settings.line(settingsLine);
        return tool.isEmpty() || tool == u"$" ? QString() : tool;
    };
    if (configured().isEmpty()) {
        ToolSettingsDialog settings(state_, prompter_, this);
        runModal(state_, settings);
    }
    if (const QString tool = configured(); !tool.isEmpty()) {
        startProgram(state_.drives.outsideToHost(tool), arguments);
    }
}

void TFormVis::BRetouchClick() {
    startTool(PictureEditorLine, true);
}

void TFormVis::BitBtn2Click() {
    startTool(ScannerLine, false);
}

bool TFormVis::fillRecord(ElementRecord& r, QString& cellText) {
    takeTypedPicture();
    const ImageType type = imageType();
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (!readInteger(rect_[std::size_t(i)], &values[i])) {
            return false;
        }
    }
    if (isBackground()) {
        values[0] = 0;
        values[1] = 0;
        values[2] = state_.projectWidth;
        values[3] = state_.projectHeight;
    }
    if (type == ImageType::Picture && edit1_->text().isEmpty()) {
        prompter_.message(state_.language.message(0));
        browse_->setFocus();
        return false;
    }
    if (values[2] == 0 || values[3] == 0) {
        prompter_.message(state_.language.message(1));
        rect_[1]->setFocus();
        return false;
    }
    QString fichier;
    QString destination;
    QString destin2;
    QString hoverFichier;
    if ((type == ImageType::Picture && !readStoredPath(edit1_, &fichier)) ||
        !readStoredPath(destination_, &destination) || !readStoredPath(destin2_, &destin2) ||
        (!isBackground() && !readStoredPath(hoverPath_, &hoverFichier))) {
        return false;
    }
    int speed = 0;
    int size = 0;
    int percents[3] = {};
    double wait = 0;
    int hoverPage = 0;
    int hoverColumn = 0;
    const bool hoverGoTo = hoverAction_->currentIndex() == 1;
    if (!readInteger(speed_->currentText(), speed_, &speed) || !readAttente(wait_, &wait) ||
        !transitionOption(effect_->currentText(), bands_, stretch_, &size) ||
        !readInteger(step_->currentText(), step_, &percents[0]) ||
        !readInteger(start_->currentText(), start_, &percents[1]) ||
        !readInteger(end_->currentText(), end_, &percents[2]) ||
        (hoverGoTo &&
         (!readInteger(hoverPage_, &hoverPage) || !readInteger(hoverColumn_, &hoverColumn)))) {
        return false;
    }
    switch (type) {
        case ImageType::Picture:
            r.Fichier = fichier;
            cellText = winpath::fileName(r.Fichier);
            break;
        case ImageType::Gradient:
            r.Fichier = text(lang::MarkerGradient);
            break;
        case ImageType::Plain:
            r.Fichier = text(lang::MarkerPlainBackground);
            break;
        case ImageType::Disappear:
            r.Fichier =
                text(isBackground() ? lang::MarkerBackgroundDisappear : lang::MarkerDisappear);
            break;
    }
    if (type != ImageType::Picture) {
        cellText = r.Fichier;
    }
    r.Effet = effect_->currentText();
    r.Transparent = appearance_->currentText();
    r.Vitesse = speed;
    r.Attente = wait;
    r.Gauche = values[0];
    r.Haut = values[1];
    r.Largeur = values[2];
    r.Hauteur = values[3];
    r.Acte = action_->currentText();
    r.Destination = destination;
    r.Destin2 = destin2;
    if (!isLine(r.Acte, lang::ActionNone)) {
        r.Inverse = ouiNon(reverse_->isChecked());
    }
    r.IntegrFond = ouiNon(joinBackground_->isChecked());
    r.Click = ouiNon(afterClick_->isChecked());
    r.DisparAuto = ouiNon(autoDisappear_->isChecked());
    const bool gradient = type == ImageType::Gradient;
    r.Couleur = colourValue(gradient ? state_.rememberedColours[1] : state_.rememberedColours[0]);
    r.Couldegra = colourValue(state_.rememberedColours[2]);
    if (gradient) {
        r.sensdegra = direction_->currentText();
    }
    r.style.clear();
    r.size = size;
    r.EffetPas = percents[0];
    r.EffetDepart = percents[1];
    r.EffetFin = percents[2];
    r.SurvolFichier = isBackground() ? QString() : hoverFichier;
    r.SurvolAction = hoverGoTo ? 1 : 0;
    r.SurvolPage = hoverGoTo ? hoverPage : 0;
    r.SurvolColonne = hoverGoTo ? hoverColumn : 0;
    r.SurvolRetablir = restoreOnExit_->isChecked() ? 1 : 0;
    return true;
}

}  // namespace ztv::editor
