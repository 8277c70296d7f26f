#include "editor/app/AboutBox.h"

#include "common/formats/LangLines.h"
#include "editor/document/SessionSettings.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ztv::editor {

AboutBox::AboutBox(const SessionSettings& state, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(state.text(lang::AboutCaption));
    setStyleSheet(QStringLiteral("QDialog#AboutBox { background: rgb(243,226,195); }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(8);
    for (int line = lang::AboutFirstLabel; line <= lang::AboutLastLabel; ++line) {
        auto* label = new QLabel(state.text(line), this);
        label->setObjectName(QStringLiteral("Label%1").arg(line - lang::AboutFirstLabel + 1));
        if (line == lang::AboutFirstLabel) {
            QFont big = label->font();
            big.setPointSize(big.pointSize() + 6);
            big.setBold(true);
            label->setFont(big);
        }
        layout->addWidget(label);
    }
    auto* thanks = new QLabel(state.text(lang::AboutThanks), this);
    thanks->setObjectName(QStringLiteral("Label6"));
    layout->addWidget(thanks);
    auto* ok = new QPushButton(state.text(lang::ButtonOk), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace ztv::editor
