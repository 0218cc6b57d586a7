#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ui/MenuDescription.h"
#include "ui/Twips.h"
#include "ui/WindowDescriptions.h"

namespace vantrel::ui {
namespace {

TEST(Twips, RoundToTheNearestPixelAndScaleWithTheDisplay) {
    struct Case {
        double twips;
        int dpi;
        int pixels;
    };
    const Case cases[] = {
        {4580, 96, 305},   // 305.33
        {5145, 96, 343},   // exact
        {7.5, 96, 1},      // half a pixel rounds up
        {-7.5, 96, -1},    // and away from zero below it
        {5145, 120, 429},  // 428.75
        {5145, 144, 515},  // 514.5
        {5145, 192, 686},
    };
    for (const Case& c : cases) EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
}

TEST(Twips, ControlsThatTouchInTwipsTouchInPixels) {
    // Label1 ends at 495 twips (33 px); rounding each edge keeps the next control's left edge there.
    for (int dpi : {96, 120, 144, 192}) {
        const PixelRect first = ToPixels({120, 240, 375, 255}, dpi);
        const PixelRect second = ToPixels({495, 240, 495, 285}, dpi);
        EXPECT_EQ(first.left + first.width, second.left) << dpi;
    }
}

TEST(MenuDescription, NamesAndCommandsAreUniqueAndEveryCommandHasOneItem) {
    std::set<std::string> names;
    std::set<Command> commands;
    std::set<std::string> shortcuts;
    for (const MenuDescription& menu : MainMenuBar()) {
        EXPECT_TRUE(names.insert(menu.name).second) << menu.name;
        for (const MenuItemDescription& item : menu.items) {
            EXPECT_TRUE(names.insert(item.name).second) << item.name;
            EXPECT_EQ(item.separator(), item.command == Command::None) << item.name;
            if (item.separator()) continue;
            EXPECT_TRUE(commands.insert(item.command).second) << item.name;
            if (!item.shortcut.empty()) {
                EXPECT_TRUE(shortcuts.insert(ShortcutText(item.shortcut)).second) << item.name;
            }
        }
    }
    for (Command command : {Command::FileOpen, Command::FileSave, Command::FileSaveAs, Command::FileExit,
                            Command::EditComplete, Command::EditBackground, Command::EditDelete, Command::HelpAbout,
                            Command::HelpOnline})
        EXPECT_NE(FindMenuItem(command), nullptr);
}

TEST(MenuDescription, ShortcutTexts) {
    EXPECT_EQ(ShortcutText({Shortcut::kCtrl, 'O'}), "Ctrl+O");
    EXPECT_EQ(ShortcutText({Shortcut::kCtrl | Shortcut::kShift, 'O'}), "Ctrl+Shift+O");
    EXPECT_EQ(ShortcutText({Shortcut::kNone, Shortcut::kF2}), "F2");
    EXPECT_EQ(ShortcutText({Shortcut::kNone, Shortcut::kEscape}), "Esc");
    EXPECT_EQ(ShortcutText({}), "");
}

TEST(WindowDescriptions, ControlsAreFoundByNameAndIndexAndParentsExist) {
    for (const WindowDescription* window : AllWindowDescriptions()) {
        std::set<std::pair<std::string, int>> seen;
        for (const ControlDescription& control : window->controls) {
            EXPECT_TRUE(seen.insert({control.name, control.index}).second) << window->name << "." << control.name;
            EXPECT_EQ(&window->control(control.name, control.index), &control);
            if (control.parent) {
                EXPECT_NO_THROW(window->control(control.parent)) << control.name;
            }
        }
        EXPECT_THROW(window->control("noSuchControl"), std::out_of_range);
    }
    EXPECT_EQ(texts::AboutCaption(), "About Vantrel");
    EXPECT_EQ(BrowserSizeTwips({4680, 3195}), (TwipsSize{4580, 3095}));
    EXPECT_EQ(BrowserSizeTwips({50, 3195}), (TwipsSize{0, 3095}));
}

}  // namespace
}  // namespace vantrel::ui
