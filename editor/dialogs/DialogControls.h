#pragma once

#include "editor/widgets/TiledDialog.h"

#include <QGroupBox>
#include <QString>

namespace ztv::editor {

// A control under the object name its form gives it: the tests and the help find controls by
// these names.
template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A titled group of an element dialog, on the dialog panel colour, under its form's name (the
// dialogs with one group place theirs with the overload that takes a rectangle).
inline QGroupBox* panelGroup(const QString& title, const char* name, QWidget* parent) {
    auto* group = named(new QGroupBox(title, parent), name);
    fillWithPanelColour(group);
    return group;
}

}  // namespace ztv::editor
