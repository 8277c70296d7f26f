#include "editor/dialogs/ClickZoneDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/ShownPath.h"
#include "editor/dialogs/PathField.h"
#include "editor/document/ClickZoneFields.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/widgets/ComboLists.h"
#include "editor/widgets/DialogButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ztv::editor {

namespace {

QGroupBox* panelGroup(const QString& title, const QString& name, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    fillWithPanelColour(group);
    return group;
}

}  // namespace

ClickZoneDialog::ClickZoneDialog(SessionSettings& settings, Prompter& prompter,
                                 Storyboard& storyboard, bool hasElement, QWidget* parent)
    : ElementDialog(settings, prompter, storyboard, hasElement, parent) {
    setObjectName(QStringLiteral("FormZone"));
    setWindowTitle(text(lang::PlaceClickZoneCaption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPosition());
    layout->addWidget(buildAction());
    layout->addWidget(buildHover());
    buildButtons(layout);
}

QGroupBox* ClickZoneDialog::buildPosition() {
    auto* box = panelGroup(text(lang::PositionGroup), QStringLiteral("GroupBox3"), this);
    auto* row = new QHBoxLayout(box);
    for (int i = 0; i < 4; ++i) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 2));
        edit->setFixedWidth(70);
        row->addWidget(new QLabel(text(lang::PositionLeftLabel + i), box));
        row->addWidget(edit);
        row->addSpacing(12);
        rect_[std::size_t(i)] = edit;
    }
    row->addStretch();
    return box;
}

QGroupBox* ClickZoneDialog::buildAction() {
    auto* box = panelGroup(text(lang::ActionGroup), QStringLiteral("GroupBox4"), this);
    auto* grid = new QGridLayout(box);
    afterClick_ = new QRadioButton(text(lang::ZoneActAfterClick), box);
    afterClick_->setObjectName(QStringLiteral("RadioButton5"));
    atOnce_ = new QRadioButton(text(lang::ZoneActAtOnce), box);
    atOnce_->setObjectName(QStringLiteral("RadioButton6"));
    action_ = new QComboBox(box);
    action_->setObjectName(QStringLiteral("ComboBox2"));
    destination_ = new QLineEdit(box);
    destination_->setObjectName(QStringLiteral("Edit6"));
    destin2_ = new QLineEdit(box);
    destin2_->setObjectName(QStringLiteral("Editd"));
    browseDestination_ = dialogButton(box, "BtAct", QStringLiteral("..."), QRect());
    browseDestin2_ = dialogButton(box, "BtAct2", QStringLiteral("..."), QRect());
    browseDestination_->setFixedWidth(32);
    browseDestin2_->setFixedWidth(32);
    reverse_ = new QCheckBox(text(lang::ReverseNextEffect), box);
    reverse_->setObjectName(QStringLiteral("CheckBox3"));
    grid->addWidget(afterClick_, 0, 0, 1, 2);
    grid->addWidget(atOnce_, 1, 0, 1, 2);
    grid->addWidget(action_, 2, 0, 1, 2);
    grid->addWidget(destination_, 3, 0);
    grid->addWidget(browseDestination_, 3, 1);
    grid->addWidget(destin2_, 4, 0);
    grid->addWidget(browseDestin2_, 4, 1);
    grid->addWidget(reverse_, 5, 0, 1, 2);
    connect(action_, &QComboBox::currentIndexChanged, this, &ClickZoneDialog::onActionChanged);
    connect(browseDestination_, &QPushButton::clicked, this,
            [this] { browseFirstParameter(action_->currentText(), destination_); });
    connect(browseDestin2_, &QPushButton::clicked, this,
            [this] { browseSecondParameter(action_->currentText(), destin2_); });
    return box;
}

QGroupBox* ClickZoneDialog::buildHover() {
    auto* box = panelGroup(text(lang::HoverGroup), QStringLiteral("GroupBox5"), this);
    auto* row = new QHBoxLayout(box);
    hoverAction_ = new QComboBox(box);
    hoverAction_->setObjectName(QStringLiteral("ComboSurvol"));
    hoverPage_ = new QLineEdit(QStringLiteral("1"), box);
    hoverPage_->setObjectName(QStringLiteral("EditSurvol1"));
    hoverColumn_ = new QLineEdit(QStringLiteral("1"), box);
    hoverColumn_->setObjectName(QStringLiteral("EditSurvol2"));
    hoverPage_->setFixedWidth(50);
    hoverColumn_->setFixedWidth(50);
    row->addWidget(hoverAction_, 1);
    row->addWidget(hoverPage_);
    row->addWidget(hoverColumn_);
    connect(hoverAction_, &QComboBox::currentIndexChanged, this,
            &ClickZoneDialog::onHoverActionChanged);
    return box;
}

void ClickZoneDialog::buildButtons(QLayout* layout) {
    const ButtonRow row = makeButtonRow({}, true, "BitBtn4");
    static_cast<QVBoxLayout*>(layout)->addLayout(row.layout);
    if (!QFileInfo::exists(helpPath())) {
        markNotAvailable(row.help, text(lang::NotAvailableYet));
    }
}

QString ClickZoneDialog::helpPage(bool french) const {
    return french ? QStringLiteral("zoneclic.html") : QStringLiteral("hotzone.html");
}

void ClickZoneDialog::fillLists() {
    fillActionList(action_);
    fillFromLines(hoverAction_, lang::kHoverActionRanges);
    setWindowTitle(text(existing_ ? lang::ChangeClickZoneCaption : lang::PlaceClickZoneCaption));
}

void ClickZoneDialog::setNewDefaults() {
    showFields(ClickZoneFields::newZone(state_.language));
}

void ClickZoneDialog::showRecord(const ElementRecord& record) {
    showFields(ClickZoneFields::of(record));
}

void ClickZoneDialog::showFields(const ClickZoneFields& zone) {
    const int values[] = {zone.rect.x(), zone.rect.y(), zone.rect.width(), zone.rect.height()};
    for (int i = 0; i < 4; ++i) {
        rect_[std::size_t(i)]->setText(QString::number(values[i]));
    }
    selectText(action_, zone.acte);
    showStoredPath(destination_, zone.destination, shownPath(state_.drives, zone.destination));
    showStoredPath(destin2_, zone.destin2, shownPath(state_.drives, zone.destin2));
    reverse_->setChecked(zone.inverse);
    (zone.afterClick ? afterClick_ : atOnce_)->setChecked(true);
    hoverAction_->setCurrentIndex(zone.hoverGoTo ? 1 : 0);
    hoverPage_->setText(QString::number(zone.hoverPage));
    hoverColumn_->setText(QString::number(zone.hoverColumn));
}

void ClickZoneDialog::afterActivate() {
    onActionChanged();
    onHoverActionChanged();
}

void ClickZoneDialog::onActionChanged() {
    showActionParameters(action_->currentText(), destination_, browseDestination_, destin2_,
                         browseDestin2_);
}

void ClickZoneDialog::onHoverActionChanged() {
    const bool goTo = hoverAction_->currentIndex() == 1;
    hoverPage_->setVisible(goTo);
    hoverColumn_->setVisible(goTo);
}

bool ClickZoneDialog::fillRecord(ElementRecord& record, QString& cellText) {
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (!readInteger(rect_[std::size_t(i)], &values[i])) {
            return false;
        }
    }
    ClickZoneFields zone;
    zone.rect = QRect(values[0], values[1], values[2], values[3]);
    zone.acte = action_->currentText();
    zone.inverse = reverse_->isChecked();
    zone.afterClick = afterClick_->isChecked();
    zone.hoverGoTo = hoverAction_->currentIndex() == 1;
    if (!readStoredPath(destination_, &zone.destination) ||
        !readStoredPath(destin2_, &zone.destin2) ||
        (zone.hoverGoTo && (!readInteger(hoverPage_, &zone.hoverPage) ||
                            !readInteger(hoverColumn_, &zone.hoverColumn)))) {
        return false;
    }
    zone.store(record, state_.language, row_, colours_[0], colours_[1]);
    cellText = record.Fichier;
    return true;
}

}  // namespace ztv::editor
