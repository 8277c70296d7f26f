#pragma once

#include <span>

namespace ztv::editor {

// A toolbar button of the main window: picture under APPDIR, place, hint line (-1: none), and
// the command it runs through the dispatch point.
struct ToolButtonSpec {
    const char* name;
    const char* picture;
    int left;
    int top;
    int hintLine;
    const char* command;
};

// A menu item: caption line, shortcut ("" for none) and command. A null name is a separator.
struct MenuItemSpec {
    const char* name;
    int captionLine;
    const char* shortcut;
    const char* command;
};

struct MenuSpec {
    const char* name;
    int captionLine;
    std::span<const MenuItemSpec> items;
};

std::span<const ToolButtonSpec> toolButtons();
std::span<const MenuSpec> menus();
std::span<const MenuItemSpec> popupItems();

// Commands whose items are disabled at start until a later state enables them (undo, paste).
bool startsDisabled(const char* command);

}  // namespace ztv::editor
