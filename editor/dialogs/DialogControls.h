#pragma once

#include "editor/widgets/TiledDialog.h"

#include <QGroupBox>
#include <QString>

namespace ztv::editor {

// A control under the name its form gives it: the tests and the help find controls by name.
template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A titled group of controls on the dialog panel colour.
inline QGroupBox* panelGroup(const QString& title, const char* name, QWidget* parent) {
    auto* group = named(new QGroupBox(title, parent), name);
    fillWithPanelColour(group);
    return group;
}

}  // namespace ztv::editor
