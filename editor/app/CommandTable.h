#pragma once

#include <QKeySequence>
#include <span>

namespace ztv::editor {

// A toolbar button of the main window: picture under APPDIR, place, hint line (-1: none), and
// the command it runs through the dispatch point.
struct ToolButtonEntry {
    const char* name;
    const char* picture;
    int left;
    int top;
    int hintLine;
    const char* command;
};

// A menu item: caption line, keys ("" for none, "; " between two) and command. A null name is a
// separator.
struct MenuItemEntry {
    const char* name;
    int captionLine;
    const char* shortcut;
    const char* command;
};

struct MenuEntry {
    const char* name;
    int captionLine;
    std::span<const MenuItemEntry> items;
};

std::span<const ToolButtonEntry> toolButtons();
std::span<const MenuEntry> menus();
std::span<const MenuItemEntry> popupItems();

// The keys of a menu item, its menu's shown key first: the desktop's standard keys for the
// commands all programs share, then the item's own.
QList<QKeySequence> shortcutsOf(const MenuItemEntry& entry);

// Commands whose items are disabled at start until a later state enables them (undo, paste).
bool startsDisabled(const char* command);

}  // namespace ztv::editor
