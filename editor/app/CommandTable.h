#pragma once

#include "editor/app/Command.h"

#include <QKeySequence>
#include <QString>
#include <array>
#include <optional>
#include <span>

namespace ztv::editor {

// A toolbar button of the main window: object name, picture under APPDIR, place, hint line
// (-1: none), and the command it runs.
struct ToolButtonEntry {
    const char* name;
    const char* picture;
    int left;
    int top;
    int hintLine;
    Command command;
};

// A menu item: object name, caption line, keys ("" for none, "; " between two) and command. A
// null name is a separator (its command is unused).
struct MenuItemEntry {
    const char* name;
    int captionLine;
    const char* shortcut;
    Command command;
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

// When a command is enabled, once it has its handler.
enum class EnabledRule {
    Always,
    NeedsPage,        // a page is open
    ClipboardFilled,  // a page is open and cells were copied
    PageCopied,       // a whole page waits to be pasted
    UndoAvailable,    // an edit can be undone
    CellWithDialog,   // the current cell's row has its element dialog (or no cell is current)
};

EnabledRule ruleOf(Command command);

// The cell editing commands, whose toolbar buttons are off in the picture list view.
inline constexpr std::array<Command, 3> kCellEditing{Command::Copy, Command::Cut,
                                                     Command::DeleteCells};

// The command of the toolbar button or menu item with this object name (what end-to-end checks
// and tests find them by).
std::optional<Command> commandOf(const QString& objectName);

}  // namespace ztv::editor
