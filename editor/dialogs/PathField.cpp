#include "editor/dialogs/PathField.h"

#include <QLineEdit>
#include <QVariant>

namespace ztv::editor {

namespace {

const char* const kStored = "storedPath";
const char* const kShown = "shownPath";

}  // namespace

void showStoredPath(QLineEdit* edit, const QString& stored, const QString& shown) {
    edit->setProperty(kStored, stored);
    edit->setProperty(kShown, shown);
    edit->setText(shown);
}

StoredPath storedPathIn(const QLineEdit* edit, const DriveTable& drives, int capacity) {
    const QVariant shown = edit->property(kShown);
    if (shown.isValid() && shown.toString() == edit->text()) {
        return {edit->property(kStored).toString(), 0};
    }
    return storedPathForTyped(drives, edit->text(), capacity);
}

}  // namespace ztv::editor
