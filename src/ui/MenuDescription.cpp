#include "ui/MenuDescription.h"

#include <array>

namespace vantrel::ui {

namespace {

constexpr Shortcut Ctrl(char32_t key) { return Shortcut{Shortcut::kCtrl, key}; }

constexpr std::array kFileItems{
    MenuItemDescription{"mnuFileOpen", "Open", Ctrl('O'), Command::FileOpen},
    MenuItemDescription{"mnuDivider3", nullptr, {}, Command::None},
    MenuItemDescription{"mnuFileSave", "Save", Ctrl('S'), Command::FileSave},
    MenuItemDescription{"mnuFileSaveAs", "Save As", {}, Command::FileSaveAs},
    MenuItemDescription{"mnuDivider1", nullptr, {}, Command::None},
    MenuItemDescription{"mnuFileExit", "Exit", {}, Command::FileExit},
};

constexpr std::array kEditItems{
    MenuItemDescription{"mnuEditComplete", "Complete Entry", Ctrl('E'), Command::EditComplete},
    MenuItemDescription{"mnuDivider2", nullptr, {}, Command::None},
    MenuItemDescription{"mnuEditBackground", "Select Background Color", {}, Command::EditBackground},
    MenuItemDescription{"mnuDivider4", nullptr, {}, Command::None},
    MenuItemDescription{"mnuEditDelete", "Delete Entry", Ctrl('D'), Command::EditDelete},
};

constexpr std::array kHelpItems{
    MenuItemDescription{"mnuHelpAbout", "About", {}, Command::HelpAbout},
    MenuItemDescription{"mnuHelpOnline", "Online Tutorial", {}, Command::HelpOnline},
};

const std::array<MenuDescription, 3> kMenuBar{
    MenuDescription{"mnuFile", "File", kFileItems},
    MenuDescription{"mnuEdit", "Edit", kEditItems},
    MenuDescription{"mnuHelp", "Help", kHelpItems},
};

template <typename Matches>
const MenuItemDescription* Find(Matches matches) {
    for (const MenuDescription& menu : kMenuBar)
        for (const MenuItemDescription& item : menu.items)
            if (!item.separator() && matches(item)) return &item;
    return nullptr;
}

}  // namespace

std::string ShortcutText(const Shortcut& shortcut) {
    if (shortcut.empty()) return {};
    std::string text;
    if (shortcut.modifiers & Shortcut::kCtrl) text += "Ctrl+";
    if (shortcut.modifiers & Shortcut::kShift) text += "Shift+";
    if (shortcut.modifiers & Shortcut::kAlt) text += "Alt+";
    switch (shortcut.key) {
        case Shortcut::kEscape:
            return text + "Esc";
        case Shortcut::kF2:
            return text + "F2";
        default:
            return text + static_cast<char>(shortcut.key);
    }
}

std::span<const MenuDescription> MainMenuBar() { return kMenuBar; }

const MenuItemDescription* FindMenuItem(Command command) {
    return Find([command](const MenuItemDescription& item) { return item.command == command; });
}

const MenuItemDescription* FindMenuItem(std::string_view name) {
    return Find([name](const MenuItemDescription& item) { return name == item.name; });
}

}  // namespace vantrel::ui
