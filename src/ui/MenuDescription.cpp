#include "ui/MenuDescription.h"

#include <array>

namespace vantrel::ui {

namespace {

constexpr Shortcut Ctrl(char32_t key) { return Shortcut{Shortcut::kCtrl, key}; }
constexpr Shortcut CtrlShift(char32_t key) { return Shortcut{Shortcut::kCtrl | Shortcut::kShift, key}; }
constexpr Shortcut Key(char32_t key) { return Shortcut{Shortcut::kNone, key}; }

constexpr std::array kFileItems{
    MenuItemDescription{"mnuFileOpen", "Open", Ctrl('O'), Command::FileOpen},
    MenuItemDescription{"mnuFileOpenMapping", "Open Mapping", CtrlShift('O'), Command::FileOpenMapping},
    MenuItemDescription{"mnuDivider3", nullptr, {}, Command::None},
    MenuItemDescription{"mnuFileSave", "Save", Ctrl('S'), Command::FileSave},
    MenuItemDescription{"mnuFileSaveAs", "Save As", {}, Command::FileSaveAs},
    MenuItemDescription{"mnuDivider1", nullptr, {}, Command::None},
    MenuItemDescription{"mnuFileExit", "Exit", {}, Command::FileExit},
};

constexpr std::array kEditItems{
    MenuItemDescription{"mnuEditUndo", "Undo", Ctrl('Z'), Command::EditUndo},
    MenuItemDescription{"mnuEditRedo", "Redo", Ctrl('Y'), Command::EditRedo},
    MenuItemDescription{"mnuDivider5", nullptr, {}, Command::None},
    MenuItemDescription{"mnuEditComplete", "Complete Entry", Ctrl('E'), Command::EditComplete},
    MenuItemDescription{"mnuEditUpdate", "Update Entry", Ctrl('U'), Command::EditUpdate},
    MenuItemDescription{"mnuEditRename", "Rename Entry", Key(Shortcut::kF2), Command::EditRename},
    MenuItemDescription{"mnuEditClearCorners", "Clear Corners", Key(Shortcut::kEscape), Command::EditClearCorners},
    MenuItemDescription{"mnuDivider2", nullptr, {}, Command::None},
    MenuItemDescription{"mnuEditBackground", "Select Background Color", {}, Command::EditBackground},
    MenuItemDescription{"mnuDivider4", nullptr, {}, Command::None},
    MenuItemDescription{"mnuEditDelete", "Delete Entry", Ctrl('D'), Command::EditDelete},
};

constexpr std::array kViewItems{
    MenuItemDescription{"mnuViewZoomIn", "Zoom In", Ctrl(Shortcut::kPlus), Command::ViewZoomIn, Ctrl(Shortcut::kEqual)},
    MenuItemDescription{"mnuViewZoomOut", "Zoom Out", Ctrl(Shortcut::kMinus), Command::ViewZoomOut},
    MenuItemDescription{"mnuViewActualSize", "Actual Size", Ctrl('0'), Command::ViewActualSize},
    MenuItemDescription{"mnuDivider6", nullptr, {}, Command::None},
    MenuItemDescription{"mnuViewShowEntries", "Show Entries", Ctrl('L'), Command::ViewShowEntries, {}, true},
    MenuItemDescription{"mnuViewEntryList", "Entry List", CtrlShift('L'), Command::ViewEntryList},
    MenuItemDescription{"mnuDivider7", nullptr, {}, Command::None},
    MenuItemDescription{"mnuViewGamePreview", "Game Preview", Ctrl('G'), Command::ViewGamePreview},
};

constexpr std::array kHelpItems{
    MenuItemDescription{"mnuHelpAbout", "About", {}, Command::HelpAbout},
    MenuItemDescription{"mnuHelpOnline", "Online Tutorial", {}, Command::HelpOnline},
};

const std::array<MenuDescription, 4> kMenuBar{
    MenuDescription{"mnuFile", "File", kFileItems},
    MenuDescription{"mnuEdit", "Edit", kEditItems},
    MenuDescription{"mnuView", "View", kViewItems},
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
