// The real delete dialog: its window and controls, its list, deleting through it, and closing it
// with the close control.
#include "editor/win32/frmDelete.h"

#include <gtest/gtest.h>

#include <memory>

#include "WindowTestSupport.h"
#include "editor/win32/MainWindow.h"
#include "editor/win32/ControlIds.h"
#include "platform/WideText.h"
#include "ui/WindowDescriptions.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestData.h"
#include "support/TgaFiles.h"

namespace vantrel::test {
namespace {

using namespace win32;

class DeleteDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_DISPLAY();
        window.setEndProgram([] {});
        window.show();
        const auto path = temp / "icons.tga";
        WriteBytes(path, GradientTga24(64, 32));
        ui.openAnswers.push_back(path.string());
        window.mnuFileOpen_Click();
    }

    void Complete(const std::string& name) {
        window.editor().MouseDown(1, 0, 2 * 15, 3 * 15);
        window.editor().MouseDown(1, 0, 20 * 15, 30 * 15);
        ui.inputAnswers.push_back(name);
        window.mnuEditComplete_Click();
        ASSERT_EQ(window.editor().colNames().back(), "MappedImage " + name);
    }

    frmDelete& Open() {
        SendMessageW(window.hwnd(), WM_COMMAND, CommandId(ui::Command::EditDelete), 0);
        frmDelete* dialog = window.deleteDialog();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }

    static std::vector<std::wstring> ListOf(const frmDelete& dialog) {
        std::vector<std::wstring> lines;
        const auto count = SendMessageW(dialog.list(), CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring line(static_cast<std::size_t>(SendMessageW(dialog.list(), CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
            line.resize(static_cast<std::size_t>(
                SendMessageW(dialog.list(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(line.data()))));
            lines.push_back(line);
        }
        return lines;
    }

    TempDir temp;
    ScriptedUserInteraction ui;
    MainWindow window{&ui};
};

TEST_F(DeleteDialogTest, WindowAndControls) {
    const ui::WindowDescription& description = ui::DeleteDialogDescription();
    const int dpi = TestDpi();
    frmDelete& dialog = Open();
    HWND hwnd = dialog.hwnd();
    EXPECT_EQ(WideToUtf8(TextOf(hwnd)), description.caption);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_THICKFRAME) << "sizable";
    EXPECT_TRUE(style & WS_SYSMENU) << "has a close control";
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    // Out of the taskbar by its hidden owner; not a tool window, which the window manager would
    // not frame under Wine.
    EXPECT_FALSE(exStyle & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW));
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), win32::TaskbarlessOwner());
    EXPECT_FALSE(IsWindowVisible(win32::TaskbarlessOwner()));
    RECT client;
    GetClientRect(hwnd, &client);
    const ui::PixelRect designed = ui::ToPixels(description.client, dpi);
    EXPECT_EQ(Width(client), designed.width);
    EXPECT_EQ(Height(client), designed.height);

    EXPECT_EQ(GetWindowLongPtrW(dialog.list(), GWL_STYLE) & 3, CBS_DROPDOWNLIST) << "cannot be typed into";
    const std::pair<HWND, const char*> controls[] = {{dialog.list(), "cmbDelete"}, {dialog.deleteButton(), "cmdDelete"}};
    for (const auto& [control, name] : controls) {
        const ui::ControlDescription& c = description.control(name);
        const ui::PixelRect place = ui::ToPixels(c.place, dpi);
        const RECT r = RectInParent(control);
        EXPECT_EQ(r.left, place.left) << name;
        EXPECT_EQ(r.top, place.top) << name;
        EXPECT_EQ(Width(r), place.width) << name;
        EXPECT_EQ(Height(r), place.height) << name;
        EXPECT_EQ(WideToUtf8(TextOf(control)), c.text) << name;
    }
    // The caption fits inside the button's edges.
    EXPECT_LE(TextExtent(dialog.deleteButton(), TextOf(dialog.deleteButton())).cx + 8,
              Width(RectInParent(dialog.deleteButton())))
        << "at " << dpi << " dpi";

    EXPECT_EQ(GetNextDlgTabItem(hwnd, dialog.list(), FALSE), dialog.deleteButton());
    EXPECT_EQ(GetNextDlgTabItem(hwnd, dialog.deleteButton(), FALSE), dialog.list());
    // The focus moves inside the active window only: wait until the window manager has made the
    // dialog active.
    SetForegroundWindow(hwnd);
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == hwnd; })) << "the dialog did not become active";
    SetFocus(dialog.list());
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == dialog.list(); }));
    PressKey(dialog.list(), VK_TAB);
    EXPECT_EQ(GetFocus(), dialog.deleteButton()) << "Tab reaches the button through the message loop";
}

TEST_F(DeleteDialogTest, ListsTheEntriesAndDeletesTheChosenOne) {
    Complete("A");
    Complete("B");
    Complete("C");
    frmDelete& dialog = Open();
    EXPECT_EQ(ListOf(dialog), (std::vector<std::wstring>{L"MappedImage A", L"MappedImage B", L"MappedImage C"}));
    EXPECT_EQ(SendMessageW(dialog.list(), CB_GETCURSEL, 0, 0), CB_ERR) << "nothing chosen at first";

    HWND hwnd = dialog.hwnd();
    SendMessageW(dialog.list(), CB_SETCURSEL, 1, 0);
    SendMessageW(dialog.deleteButton(), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd)) << "Delete Selected closes the dialog";
    EXPECT_EQ(window.deleteDialog(), nullptr);
    EXPECT_EQ(window.editor().colNames(), (std::vector<std::string>{"MappedImage A", "MappedImage C"}));
    EXPECT_EQ(window.editor().document().colLines().size(), 5u + 16u);
}

TEST_F(DeleteDialogTest, OnlyDeleteSelectedWithAChoiceDeletes) {
    Complete("A");
    Complete("B");
    {
        frmDelete& dialog = Open();
        SendMessageW(dialog.list(), CB_SETCURSEL, 0, 0);
        HWND hwnd = dialog.hwnd();
        SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(window.editor().colNames().size(), 2u);
    }
    {
        frmDelete& dialog = Open();
        HWND hwnd = dialog.hwnd();
        SendMessageW(dialog.deleteButton(), BM_CLICK, 0, 0);
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(window.editor().colNames().size(), 2u);
    }
    EXPECT_FALSE(window.editor().blnSaved());

    // Ending the program with the dialog open runs no unload: nothing is deleted on the way out.
    auto dialog = std::make_unique<frmDelete>(window.editor());
    HWND hwnd = dialog->hwnd();
    window.editor().lngRemoveNumber() = 1;  // as "Delete Selected" records it
    dialog.reset();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(window.editor().colNames().size(), 2u);
}

TEST_F(DeleteDialogTest, OneDialogAtATimeListedWhenLoaded) {
    Complete("A");
    frmDelete& first = Open();
    HWND hwnd = first.hwnd();
    Complete("B");  // while it is open: not listed
    frmDelete& again = Open();
    EXPECT_EQ(again.hwnd(), hwnd) << "only brought forward";
    EXPECT_EQ(ListOf(again), std::vector<std::wstring>{L"MappedImage A"}) << "not filled again";

    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    frmDelete& reopened = Open();
    EXPECT_NE(reopened.hwnd(), nullptr);
    EXPECT_EQ(ListOf(reopened), (std::vector<std::wstring>{L"MappedImage A", L"MappedImage B"}));
}

}  // namespace
}  // namespace vantrel::test
