#pragma once

#include "editor/app/Command.h"

#include <QKeySequence>
#include <QString>
#include <array>
#include <optional>
#include <span>

namespace ztv::editor {

// When a command is enabled, once it has its handler.
enum class EnabledRule {
    Always,
    NeedsPage,        // a page is open
    ClipboardFilled,  // a page is open and cells were copied
    PageCopied,       // a whole page waits to be pasted
    UndoAvailable,    // an edit can be undone
    CellWithDialog,   // the current cell's row has its element dialog (or no cell is current)
};

// A command's menu item: object name (null: the command has none), caption line, its own keys
// ("" for none, "; " between two) and the desktop's standard key that goes first.
struct CommandItem {
    const char* name;
    int captionLine;
    const char* keys;
    QKeySequence::StandardKey standardKey;
};

// A command's toolbar button: object name (null: none), picture under APPDIR's boutons folder,
// hint line and place on the toolbar.
struct CommandButton {
    const char* name;
    const char* picture;
    int hintLine;
    int left;
    int top;
};

// How the main window shows a command and when it may run. The handlers are bound by the window
// (bindCommands), since they are the objects of a running editor.
struct CommandEntry {
    Command command;
    CommandItem item;
    CommandButton button;
    EnabledRule rule;
};

// Every command's row, in the order of the enumeration.
std::span<const CommandEntry> commandEntries();
const CommandEntry& entryOf(Command command);

// A menu of the menu bar: object name, caption line, and its commands in order (nullopt: a
// separator).
struct MenuEntry {
    const char* name;
    int captionLine;
    std::span<const std::optional<Command>> items;
};

std::span<const MenuEntry> menus();
// The storyboard's context menu.
std::span<const std::optional<Command>> popupItems();

// The keys of a command's menu item, its menu's shown key first: the desktop's standard key for
// the commands all programs share, then the item's own.
QList<QKeySequence> shortcutsOf(const CommandItem& item);

// The cell editing commands, whose toolbar buttons are off in the picture list view.
inline constexpr std::array<Command, 3> kCellEditing{Command::Copy, Command::Cut,
                                                     Command::DeleteCells};

// The command of the toolbar button or menu item with this object name (what end-to-end checks
// and tests find them by).
std::optional<Command> commandOf(const QString& objectName);

}  // namespace ztv::editor
