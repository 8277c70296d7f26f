#include "player/WidgetPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace ztv {
namespace {

QMessageBox::StandardButtons standardButtons(Prompter::Buttons buttons) {
    switch (buttons) {
        case Prompter::Buttons::Ok:
            return QMessageBox::Ok;
        case Prompter::Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Prompter::Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Prompter::Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

int answerOf(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return Prompter::Yes;
        case QMessageBox::No:
            return Prompter::No;
        case QMessageBox::Cancel:
            return Prompter::Cancel;
        default:
            return Prompter::Ok;
    }
}

}  // namespace

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
                    standardButtons(buttons), QApplication::activeWindow());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return answerOf(box.exec());
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
