#include "editor/dialogs/MessageDialog.h"

#include "common/formats/LangLines.h"
#include "editor/widgets/DialogBackground.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace ztv::editor {

MessageDialog::MessageDialog(const LanguageFile& language, const QString& text,
                             const QList<std::pair<int, int>>& buttons, QWidget* parent,
                             MessageSign sign)
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

void MessageDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DialogBackground::tile(painter, rect());
}

}  // namespace ztv::editor
