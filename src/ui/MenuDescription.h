#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The main window's menu bar, once for both front ends: each menu and its items in order, with
// their captions, shortcuts and the command each runs. A front end builds its menu bar and its
// keyboard shortcuts by walking this tree, and forwards a chosen item's command to the window.
namespace vantrel::ui {

// What a menu item runs. Each front end's main window has one handler per command.
enum class Command {
    None,  // separators
    FileOpen,
    FileOpenMapping,
    FileSave,
    FileSaveAs,
    FileExit,
    EditUndo,
    EditRedo,
    EditComplete,
    EditUpdate,
    EditRename,
    EditClearCorners,
    EditBackground,
    EditDelete,
    ViewZoomIn,
    ViewZoomOut,
    ViewActualSize,
    ViewShowEntries,
    ViewEntryList,
    ViewGamePreview,
    HelpAbout,
    HelpOnline,
};

// A key with its modifiers. key is an upper-case letter or a digit, or one of the named keys.
struct Shortcut {
    enum Modifier : unsigned { kNone = 0, kCtrl = 1, kShift = 2, kAlt = 4 };
    enum NamedKey : char32_t {
        kNoKey = 0,
        kEscape = 0x1B,
        kPlus = '+',
        kMinus = '-',
        kEqual = '=',
        kF2 = 0x10002,
    };
    unsigned modifiers = kNone;
    char32_t key = kNoKey;

    bool empty() const { return key == kNoKey; }
    friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

// As a menu shows it beside the caption: "Ctrl+O", "Ctrl+Shift+O", "F2", "Esc"; empty for none.
std::string ShortcutText(const Shortcut& shortcut);

struct MenuItemDescription {
    const char* name;
    // Null for a separator (the item captioned "-").
    const char* caption;
    Shortcut shortcut;
    Command command;
    // A second key that runs the same command, shown nowhere (Ctrl+= beside Ctrl++).
    Shortcut alternate = {};
    // A checked item: the front end shows a check mark that follows the command's state.
    bool checkable = false;

    bool separator() const { return caption == nullptr; }
};

struct MenuDescription {
    const char* name;
    const char* caption;
    std::span<const MenuItemDescription> items;
};

// The menu bar, left to right.
std::span<const MenuDescription> MainMenuBar();

// The item that runs the command, if one does.
const MenuItemDescription* FindMenuItem(Command command);
const MenuItemDescription* FindMenuItem(std::string_view name);

}  // namespace vantrel::ui
