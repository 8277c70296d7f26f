#include "editor/widgets/TiledDialog.h"

#include "editor/document/SessionSettings.h"
#include "editor/widgets/DialogBackground.h"

#include <QGroupBox>
#include <QPainter>

namespace ztv::editor {

void TiledDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DialogBackground::tile(painter, rect());
}

QGroupBox* panelGroup(const QString& title, const QRect& geometry, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(geometry);
    group->setStyleSheet(
        QStringLiteral("QGroupBox#GroupBox1 { background: rgb(195,198,200); "
                       "border: 1px solid gray; margin-top: 8px; padding-top: 8px; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 8px; }"));
    return group;
}

void fillWithPanelColour(QWidget* widget) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, panelColour());
    widget->setPalette(palette);
}

int runModal(const SessionSettings& state, QDialog& dialog) {
    return state.dialogRunner ? state.dialogRunner(dialog) : dialog.exec();
}

}  // namespace ztv::editor
