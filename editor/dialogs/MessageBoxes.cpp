#include "editor/dialogs/MessageBoxes.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/dialogs/DialogBackground.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace ztv::editor {

TMessBox::TMessBox(const LanguageFile& language, const QString& text,
                   const QList<std::pair<int, int>>& buttons, QWidget* parent, MessageSign sign)
    : QDialog(parent) {
    setWindowTitle(language.text(lang::MessageBoxCaption));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap(sign == MessageSign::Information
                                   ? QStringLiteral(":/editor/information.png")
                                   : QStringLiteral(":/editor/warning.png")));
    picture->setAlignment(Qt::AlignTop);

    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setMinimumWidth(320);
    label->setMaximumWidth(460);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picture);
    top->addWidget(label, 1);

    auto* row = new QHBoxLayout;
    row->addStretch();
    bool first = true;
    for (const auto& [line, result] : buttons) {
        auto* button = new QPushButton(language.text(line), this);
        button->setMinimumWidth(88);
        button->setDefault(first);
        first = false;
        const int r = result;
        connect(button, &QPushButton::clicked, this, [this, r] { done(r); });
        row->addWidget(button);
        escapeResult_ = r;
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TMessBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DialogBackground::tile(painter, rect());
}

TMessOk::TMessOk(const LanguageFile& language, const QString& text, QWidget* parent,
                 MessageSign sign)
    : TMessBox(language, text, {{lang::ButtonOk, Prompter::Ok}}, parent, sign) {}

TFYNC::TFYNC(const LanguageFile& language, const QString& text, QWidget* parent, Origin origin)
    : TMessBox(language, text,
               {{lang::ButtonYes, Prompter::Yes},
                {lang::ButtonNo, Prompter::No},
                {lang::ButtonCancel, Prompter::Cancel}},
               parent),
      origin_(origin) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
    if (origin_ == Unasked) {
        const QList<QPushButton*> buttons = findChildren<QPushButton*>();
        for (QPushButton* button : buttons) {
            button->setDefault(button == buttons.last());
        }
    }
}

void TFYNC::showEvent(QShowEvent* event) {
    TMessBox::showEvent(event);
    if (origin_ != Unasked) {
        return;
    }
    const QList<QPushButton*> buttons = findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        button->setEnabled(false);
    }
    QTimer::singleShot(kUnaskedClickDelayMs, this, [buttons] {
        for (QPushButton* button : buttons) {
            button->setEnabled(true);
        }
        buttons.last()->setFocus();
    });
}

TFOC::TFOC(const LanguageFile& language, const QString& text, QWidget* parent)
    : TMessBox(language, text,
               {{lang::ButtonOk, Prompter::Ok}, {lang::ButtonCancel, Prompter::Cancel}}, parent) {}

}  // namespace ztv::editor
