#pragma once

#include "common/platform/Prompter.h"

#include <QMessageBox>

// How the prompter's button sets and answers map onto the platform's message box; shared by
// the player's and the editor's prompters. It lives with the windows: only they link Widgets.
namespace ztv::messagebox {

inline QMessageBox::StandardButtons standardButtons(Prompter::Buttons buttons) {
    switch (buttons) {
        case Prompter::Buttons::Ok:
            return QMessageBox::Ok;
        case Prompter::Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Prompter::Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Prompter::Buttons::YesNoCancel:
        case Prompter::Buttons::YesNoCancelUnasked:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

inline int answerOf(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return Prompter::Yes;
        case QMessageBox::No:
            return Prompter::No;
        case QMessageBox::Ok:
            return Prompter::Ok;
        default:
            return Prompter::Cancel;
    }
}

}  // namespace ztv::messagebox
