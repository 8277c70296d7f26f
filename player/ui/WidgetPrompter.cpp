#include "player/ui/WidgetPrompter.h"

#include "player/ui/MessageBoxButtons.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace ztv {

void WidgetPrompter::stopAsking() {
    stopped_ = true;
    if (QWidget* open = QApplication::activeModalWidget()) {
        open->close();
    }
}

int WidgetPrompter::ask(const QString& text, const QString& caption, Buttons buttons) {
    if (stopped_) {
        return Cancel;
    }
    QMessageBox box(QMessageBox::NoIcon,
                    caption.isEmpty() ? QGuiApplication::applicationDisplayName() : caption, text,
                    messagebox::standardButtons(buttons), QApplication::activeWindow());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return messagebox::answerOf(box.exec());
}

QString WidgetPrompter::openFileName(const QString& caption, const QString& dirHost,
                                     const QString& filter) {
    if (stopped_) {
        return {};
    }
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, dirHost, filter);
}

QString WidgetPrompter::saveFileName(const QString& caption, const QString& dirHost,
                                     const QString& filter) {
    if (stopped_) {
        return {};
    }
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, dirHost, filter);
}

QString WidgetPrompter::folderName(const QString& caption, const QString& dirHost) {
    if (stopped_) {
        return {};
    }
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, dirHost);
}

}  // namespace ztv
