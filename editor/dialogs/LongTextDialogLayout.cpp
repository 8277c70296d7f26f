#include "common/formats/LangLines.h"
#include "editor/dialogs/LongTextDialog.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/DialogButton.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// The long-text dialog's controls: the file, the look, the box that shows the text, the
// rectangle and the buttons.
namespace ztv::editor {

namespace {

template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QGroupBox* group(const QString& title, const char* name, QWidget* parent) {
    auto* box = named(new QGroupBox(title, parent), name);
    fillWithPanelColour(box);
    return box;
}

// A box with a vertical scroll bar that the author reads but does not edit, as the page
// shows it.
template <class Box>
Box* textBox(const char* name, QSize size, QWidget* parent) {
    auto* box = named(new Box(parent), name);
    box->setReadOnly(true);
    box->setFixedSize(size);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

}  // namespace

LongTextDialog::LongTextDialog(SessionSettings& settings, Prompter& prompter,
                               Storyboard& storyboard, bool hasElement, QWidget* parent)
    : ElementDialog(settings, prompter, storyboard, hasElement, parent) {
    setObjectName(QStringLiteral("FormLgT"));
    setWindowTitle(text(lang::PlaceLongTextCaption));
    new QGridLayout(this);
    buildFileGroup();
    buildLookGroup();
    buildPositionGroup();
    buildButtons();
}

void LongTextDialog::buildFileGroup() {
    auto* box = group(text(lang::TextFileGroup), "GroupBox1", this);
    auto* row = new QHBoxLayout(box);
    edit1_ = named(new QLineEdit(box), "Edit1");
    browse_ = named(new QPushButton(QStringLiteral("..."), box), "BitBtn2");
    browse_->setFixedWidth(32);
    row->addWidget(edit1_);
    row->addWidget(browse_);
    static_cast<QGridLayout*>(layout())->addWidget(box, 0, 0, 1, 2);
    connect(browse_, &QPushButton::clicked, this, &LongTextDialog::chooseFile);
    edit1_->installEventFilter(this);
    connect(edit1_, &QLineEdit::editingFinished, this, &LongTextDialog::takeTypedFile);
}

void LongTextDialog::buildLookGroup() {
    auto* box = group(QString(), "GroupBox2", this);
    auto* look = new QGridLayout(box);
    const char* labelNames[] = {"Labfont", "Labstyle", "Labtaill"};
    for (int i = 0; i < 3; ++i) {
        auto* label = named(new QLabel(text(lang::TextFontLabel + i), box), labelNames[i]);
        label->setFrameShape(QFrame::Panel);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        fontLabels_[std::size_t(i)] = label;
        look->addWidget(label, 0, i);
    }
    hint_ = named(new QLabel(text(lang::FontHint), box), "Label1");
    hint_->setWordWrap(true);
    look->addWidget(hint_, 1, 0, 1, 3);
    const char* swatchNames[] = {"PaintBox1", "PaintBox2"};
    for (int i = 0; i < 2; ++i) {
        auto* swatch = named(new QFrame(box), swatchNames[i]);
        swatch->setFrameShape(QFrame::Box);
        swatch->setFixedSize(40, 20);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->installEventFilter(this);
        swatches_[std::size_t(i)] = swatch;
    }
    look->addWidget(swatches_[0], 2, 0);
    backgroundLabel_ = named(new QLabel(text(lang::BackgroundColourLabel), box), "Label2");
    look->addWidget(backgroundLabel_, 3, 0, 1, 2);
    look->addWidget(swatches_[1], 3, 2);
    border_ = named(new QCheckBox(text(lang::BorderOption), box), "CheckBox1");
    look->addWidget(border_, 4, 0, 1, 3);
    look->setRowStretch(5, 1);
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(box, 1, 0);

    richEdit_ = textBox<QTextEdit>("RichEdit1", kTextBox, this);
    browser_ = textBox<QTextBrowser>("WebBrowser1", kTextBox, this);
    // A link followed in the box would load its target from anywhere: the box shows one page.
    browser_->setOpenLinks(false);
    richText_ = new LongTextDocument(state_.projectDir, richEdit_);
    richEdit_->setDocument(richText_);
    page_ = new LongTextDocument(state_.projectDir, browser_);
    browser_->setDocument(page_);
    grid->addWidget(richEdit_, 1, 1);
    grid->addWidget(browser_, 1, 1);
    connect(border_, &QCheckBox::toggled, this, &LongTextDialog::applyBoxLook);
}

void LongTextDialog::buildPositionGroup() {
    auto* box = group(text(lang::PositionGroup), "GroupBox3", this);
    auto* row = new QHBoxLayout(box);
    const char* rectNames[] = {"Edit2", "Edit3", "Edit4", "Edit5"};
    for (int i = 0; i < 4; ++i) {
        row->addWidget(new QLabel(text(lang::PositionLeftLabel + i), box));
        rect_[std::size_t(i)] = named(new QLineEdit(box), rectNames[i]);
        rect_[std::size_t(i)]->setFixedWidth(70);
        row->addWidget(rect_[std::size_t(i)]);
        row->addSpacing(16);
    }
    row->addStretch();
    static_cast<QGridLayout*>(layout())->addWidget(box, 2, 0, 1, 2);
}

void LongTextDialog::buildButtons() {
    const ButtonRow row = makeButtonRow({{"BRetouch", lang::KindText}}, false, "BitBtn4");
    static_cast<QGridLayout*>(layout())->addLayout(row.layout, 3, 0, 1, 2);
    if (!QFileInfo::exists(helpPath())) {
        markNotAvailable(row.help, text(lang::NotAvailableYet));
    }
    connect(row.tools[0], &QPushButton::clicked, this, &LongTextDialog::startTextEditor);
}

}  // namespace ztv::editor
