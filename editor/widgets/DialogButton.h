#pragma once

#include <QPushButton>
#include <QRect>
#include <QString>

namespace ztv::editor {

// A push button of a dialog at its fixed place, under the object name its form gives it (the
// tests and the help find buttons by these names).
inline QPushButton* dialogButton(QWidget* parent, const char* objectName, const QString& text,
                                 QRect geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setGeometry(geometry);
    return button;
}

// A button whose feature has not landed yet: disabled, and its tooltip says so.
inline void markNotAvailable(QPushButton* button, const QString& notAvailableText) {
    button->setEnabled(false);
    button->setToolTip(notAvailableText);
}

}  // namespace ztv::editor
