// The real Win32 main window under Wine: caption and border, menu tree and shortcuts, the frame's
// layout and tab order, corner picking by mouse presses, fitting to a texture, repainting the
// canvas, and the close control's question.
#include "editor/win32/MainWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "WindowTestSupport.h"
#include "editor/win32/ControlIds.h"
#include "platform/WideText.h"
#include "ui/MenuDescription.h"
#include "ui/WindowDescriptions.h"
#include "editor/win32/MessageLoop.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestData.h"
#include "support/TgaFiles.h"

namespace vantrel::test {
namespace {

using namespace win32;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_DISPLAY();
        window.setEndProgram([this] { ++ended; });
        window.show();
        PumpFor(20);
    }

    // Writes a gradient texture (pixel (x, y) = red x, green y, blue 200) and opens it.
    void LoadGradient(int width, int height) {
        const auto path = temp / "gradient.tga";
        WriteBytes(path, GradientTga24(width, height));
        ui.openAnswers.push_back(path.string());
        SendMessageW(window.hwnd(), WM_COMMAND, CommandId(ui::Command::FileOpen), 0);
    }

    void Command(ui::Command command) { SendMessageW(window.hwnd(), WM_COMMAND, CommandId(command), 0); }

    std::string Box(EditorView::Box which) const { return window.boxText(which); }

    COLORREF ShownPixel(int x, int y) {
        UpdateWindow(window.hwnd());
        HDC dc = GetDC(window.hwnd());
        const COLORREF color = GetPixel(dc, x, y);
        ReleaseDC(window.hwnd(), dc);
        return color;
    }

    TempDir temp;
    ScriptedUserInteraction ui;
    MainWindow window{&ui};
    int ended = 0;
};

TEST_F(MainWindowTest, CaptionBorderAndClientArea) {
    const ui::WindowDescription& description = ui::MainWindowDescription();
    EXPECT_EQ(TextOf(window.hwnd()), Utf8ToWide(description.caption));
    const LONG_PTR style = GetWindowLongPtrW(window.hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX) << "no maximize button";
    EXPECT_TRUE(style & WS_THICKFRAME) << "sizable";
    EXPECT_TRUE(style & WS_SYSMENU);
    // The design client area below the menu bar, at the display's resolution (343 x 213 at 96).
    RECT client;
    GetClientRect(window.hwnd(), &client);
    const ui::PixelRect designed = ui::ToPixels(description.client, TestDpi());
    EXPECT_EQ(Width(client), designed.width);
    EXPECT_EQ(Height(client), designed.height);
    ASSERT_NE(GetMenu(window.hwnd()), nullptr);
}

// The menu bar read back from the real window, item by item, against the one menu tree; every
// shortcut a menu shows is in the accelerator table and runs the item's command.
TEST_F(MainWindowTest, MenuTreeAndAcceleratorsAgree) {
    HMENU bar = GetMenu(window.hwnd());
    const auto menus = ui::MainMenuBar();
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(menus.size()));
    std::vector<ACCEL> table(64);
    table.resize(static_cast<std::size_t>(CopyAcceleratorTableW(window.accelerators(), table.data(), 64)));
    std::size_t shortcuts = 0;
    std::vector<WORD> withShortcut;

    for (std::size_t m = 0; m < menus.size(); ++m) {
        wchar_t caption[64] = {};
        GetMenuStringW(bar, static_cast<UINT>(m), caption, 64, MF_BYPOSITION);
        EXPECT_EQ(WideToUtf8(caption), menus[m].caption);
        HMENU menu = GetSubMenu(bar, static_cast<int>(m));
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(menus[m].items.size())) << menus[m].caption;
        for (std::size_t i = 0; i < menus[m].items.size(); ++i) {
            const ui::MenuItemDescription& item = menus[m].items[i];
            wchar_t text[64] = {};
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_STATE;
            info.dwTypeData = text;
            info.cch = 64;
            ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
            EXPECT_EQ(static_cast<bool>(info.fType & MFT_SEPARATOR), item.separator()) << item.name;
            if (item.separator()) continue;
            const std::string shown = WideToUtf8(text);
            const std::string shortcut = ui::ShortcutText(item.shortcut);
            EXPECT_EQ(shown, shortcut.empty() ? std::string(item.caption) : item.caption + ("\t" + shortcut));
            EXPECT_EQ(CommandFromId(static_cast<WORD>(info.wID)), item.command) << item.name;
            EXPECT_FALSE(info.fState & (MFS_DISABLED | MFS_CHECKED)) << item.name;

            // The shown shortcut with exactly its modifiers; letters and digits on their own key
            // ("+", "-" and the alternates are pressed in ZoomOverlayTest).
            const bool control = item.shortcut.modifiers & ui::Shortcut::kCtrl;
            const bool shift = item.shortcut.modifiers & ui::Shortcut::kShift;
            const bool alt = item.shortcut.modifiers & ui::Shortcut::kAlt;
            const BYTE flags = FVIRTKEY | (control ? FCONTROL : 0) | (shift ? FSHIFT : 0) | (alt ? FALT : 0);
            bool inTable = false;
            for (const ACCEL& a : table)
                if (a.cmd == info.wID && a.fVirt == flags) {
                    const bool ownKey = item.shortcut.key >= '0' && item.shortcut.key <= 'Z';
                    inTable = inTable || !ownKey || a.key == item.shortcut.key;
                }
            if (item.shortcut.empty()) {
                EXPECT_TRUE(item.alternate.empty()) << item.name;
                continue;
            }
            ++shortcuts;
            withShortcut.push_back(static_cast<WORD>(info.wID));
            EXPECT_TRUE(inTable) << "a shortcut shown but not in the table: " << item.name;
        }
    }
    ASSERT_GT(shortcuts, 0u);
    for (const ACCEL& a : table)
        EXPECT_NE(std::find(withShortcut.begin(), withShortcut.end(), a.cmd), withShortcut.end())
            << "a key for an item that shows no shortcut: " << a.cmd;
}

TEST_F(MainWindowTest, ShortcutsWorkWhileACoordinateBoxHasTheFocus) {
    HWND box = window.box(EditorView::Box::Top);
    SetFocus(box);
    ASSERT_EQ(GetFocus(), box);

    PressKey(box, 'E', true);
    ASSERT_EQ(ui.messages().size(), 1u) << "Ctrl+E runs Complete Entry";
    EXPECT_EQ(ui.messages()[0].text, "Please map all coordinates with the mouse before proceeding");
    EXPECT_EQ(Box(EditorView::Box::Top), "") << "the key did not reach the box";

    ui.clear();
    PressKey(GetFocus(), 'O', true);
    ASSERT_EQ(ui.requests.size(), 1u);
    EXPECT_EQ(ui.requests[0].kind, RecordedRequest::Kind::OpenDialog);

    ui.clear();
    PressKey(GetFocus(), 'S', true);
    ASSERT_EQ(ui.requests.size(), 1u);
    EXPECT_EQ(ui.requests[0].kind, RecordedRequest::Kind::SaveDialog);

    SetFocus(window.box(EditorView::Box::Right));
    PressKey(GetFocus(), 'D', true);
    ASSERT_NE(window.deleteDialog(), nullptr) << "Ctrl+D opens the delete dialog";

    // Keys that are no shortcut still type into the box.
    ui.clear();
    SetFocus(box);
    PressKey(box, 'Q', true);
    PressKey(box, '7');
    EXPECT_TRUE(ui.requests.empty());
    EXPECT_EQ(Box(EditorView::Box::Top), "7");
}

// Every control of the frame where the description puts it at the display's resolution, with its
// caption whole inside it; each box holds its widest value.
TEST_F(MainWindowTest, FrameAndControlsAsDescribed) {
    const ui::WindowDescription& description = ui::MainWindowDescription();
    const int dpi = TestDpi();
    EXPECT_EQ(window.frameHeight(), Height(RectInParent(window.frame())) * ui::kTwipsPerPixel);
    for (const ui::ControlDescription& c : description.controls) {
        HWND control = window.control(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        const RECT r = RectInParent(control);
        const ui::PixelRect designed = ui::ToPixels(c.place, dpi);
        EXPECT_EQ(r.left, designed.left) << c.name;
        EXPECT_EQ(r.top, designed.top) << c.name;
        EXPECT_EQ(Width(r), designed.width) << c.name;
        EXPECT_EQ(Height(r), designed.height) << c.name;
        if (c.kind == ui::ControlKind::Label) {
            EXPECT_EQ(WideToUtf8(TextOf(control)), c.text);
            const SIZE extent = TextExtent(control, TextOf(control));
            EXPECT_LE(extent.cx, designed.width) << "caption clipped at " << dpi << " dpi: " << c.name;
            EXPECT_LE(extent.cy, designed.height) << c.name;
        } else if (c.kind == ui::ControlKind::TextBox) {
            // The widest value a box holds, 16-bit and negative, fits its client area.
            RECT inside;
            GetClientRect(control, &inside);
            EXPECT_LE(TextExtent(control, L"-2117").cx, Width(inside)) << c.name;
            EXPECT_LE(TextExtent(control, L"-2117").cy, Height(inside)) << c.name;
        }
    }
}

TEST_F(MainWindowTest, TabMovesThroughTheBoxesInOrder) {
    SetFocus(window.box(EditorView::Box::Top));
    const EditorView::Box order[] = {EditorView::Box::Left, EditorView::Box::Bottom, EditorView::Box::Right,
                                     EditorView::Box::Top};
    for (EditorView::Box next : order) {
        PressKey(GetFocus(), VK_TAB);
        EXPECT_EQ(GetFocus(), window.box(next)) << static_cast<int>(next);
    }
}

TEST_F(MainWindowTest, EveryMouseButtonPicksACornerOnTheCanvas) {
    LoadGradient(64, 32);
    struct Press {
        UINT message;
        WPARAM data;
    };
    const Press presses[] = {{WM_LBUTTONDOWN, MK_LBUTTON},
                             {WM_RBUTTONDOWN, MK_RBUTTON},
                             {WM_MBUTTONDOWN, MK_MBUTTON},
                             {WM_XBUTTONDOWN, MAKEWPARAM(MK_XBUTTON1, XBUTTON1)}};
    for (const Press& press : presses) {
        // Back to no corner picked: a completed entry clears both corners.
        ui.inputAnswers.push_back("entry" + std::to_string(press.message));
        if (window.editor().blnLeftTopPicked()) {
            if (!window.editor().blnRightBottomPicked()) window.editor().MouseDown(1, 0, 63 * 15, 31 * 15);
            window.mnuEditComplete_Click();
        }
        ASSERT_FALSE(window.editor().blnLeftTopPicked());
        HWND target = PressAt(window.hwnd(), POINT{10, 20}, press.message, press.data);
        EXPECT_EQ(target, window.hwnd());
        EXPECT_EQ(Box(EditorView::Box::Left), "10") << press.message;
        EXPECT_EQ(Box(EditorView::Box::Top), "20") << press.message;
        PressAt(window.hwnd(), POINT{63, 31}, press.message, press.data);
        EXPECT_EQ(Box(EditorView::Box::Right), "63") << press.message;
        EXPECT_EQ(Box(EditorView::Box::Bottom), "31") << press.message;
    }
}

TEST_F(MainWindowTest, PressesOnTheFrameDoNotPickCorners) {
    LoadGradient(500, 200);
    // Put the frame over the texture: a press on it must not reach corner picking.
    window.setFrameLeft(0);
    window.setFrameTop(0);
    for (POINT at : {POINT{2, 2}, POINT{10, 20} /* on a label */, POINT{50, 60} /* in a box */}) {
        HWND target = PressAt(window.hwnd(), at, WM_LBUTTONDOWN, MK_LBUTTON);
        EXPECT_NE(target, window.hwnd());
        EXPECT_FALSE(window.editor().blnLeftTopPicked()) << at.x << "," << at.y;
    }
    EXPECT_EQ(Box(EditorView::Box::Left), "");
    // Beside the frame the canvas still picks.
    const int beside = RectInParent(window.frame()).right + 10;
    PressAt(window.hwnd(), POINT{beside, 100}, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(Box(EditorView::Box::Left), std::to_string(beside));
    EXPECT_EQ(Box(EditorView::Box::Top), "100");
}

// The window's size and the frame's place are texture space, 15 twips to the device pixel at every
// resolution: the frame stays beside the texture and centred on it. On a scaled display the frame
// is larger than the core counts on, and the window grows just enough to show it whole.
TEST_F(MainWindowTest, LoadingFitsTheWindowAndMovesTheFrame) {
    LoadGradient(100, 50);
    RECT outer;
    GetWindowRect(window.hwnd(), &outer);
    const RECT frame = RectInParent(window.frame());
    EXPECT_EQ(frame.left, 108);  // 1620 twips
    EXPECT_EQ(Height(frame), ui::ToPixels(ui::MainWindowDescription().control("fraInfo").place, TestDpi()).height)
        << "the frame is moved, never resized";
    EXPECT_DOUBLE_EQ(window.frameTopTwips(), 375 - window.frameHeight() / 2.0);
    EXPECT_EQ(frame.top, static_cast<int>(std::lround(window.frameTopTwips() / ui::kTwipsPerPixel)));
    if (TestDpi() == ui::kStandardDpi) {
        EXPECT_EQ(Width(outer), 300);   // 4500 twips
        EXPECT_EQ(Height(outer), 116);  // 1750 twips
        EXPECT_EQ(frame.top, -16);
    } else {
        RECT client;
        GetClientRect(window.hwnd(), &client);
        EXPECT_GT(Width(outer), 300);
        EXPECT_EQ(frame.right, client.right) << "grown just enough for the frame's right edge";
        EXPECT_LE(frame.bottom, client.bottom);
        EXPECT_GE(client.bottom, 50) << "the texture shows whole under the larger title and menu bars";
    }
    EXPECT_EQ(window.editor().strTextureName(), "gradient.tga");
    // Presses beyond the texture are ignored; the last column is not.
    PressAt(window.hwnd(), POINT{100, 10}, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(Box(EditorView::Box::Left), "");
    PressAt(window.hwnd(), POINT{99, 49}, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(Box(EditorView::Box::Left), "99");
}

TEST_F(MainWindowTest, RepaintShowsTheCanvas) {
    LoadGradient(100, 50);
    EXPECT_EQ(ShownPixel(0, 0), RGB(0, 0, 200));
    EXPECT_EQ(ShownPixel(37, 12), RGB(37, 12, 200));
    EXPECT_EQ(ShownPixel(99, 49), RGB(99, 49, 200));

    // A partial repaint shows the canvas rows and columns of the invalid part, and only those.
    window.canvas().putPixel(50, 40, PackColor(255, 0, 0));
    window.canvas().putPixel(5, 5, PackColor(0, 255, 0));
    RECT part{45, 35, 60, 45};
    InvalidateRect(window.hwnd(), &part, FALSE);
    EXPECT_EQ(ShownPixel(50, 40), RGB(255, 0, 0));
    EXPECT_EQ(ShownPixel(45, 35), RGB(45, 35, 200));
    EXPECT_EQ(ShownPixel(5, 5), RGB(5, 5, 200)) << "outside the invalid part nothing was repainted";
    InvalidateRect(window.hwnd(), nullptr, FALSE);
    EXPECT_EQ(ShownPixel(5, 5), RGB(0, 255, 0));
}

TEST_F(MainWindowTest, MessagesRunWhileATexturePaints) {
    // A message already waiting when the load starts runs in the middle of it, at the first
    // progress step, after the reader has handed the size back.
    int widthSeen = -1;
    window.onAbout = [&] { widthSeen = window.editor().intTextureWidth(); };
    PostMessageW(window.hwnd(), WM_COMMAND, CommandId(ui::Command::HelpAbout), 0);
    LoadGradient(100, 64);
    EXPECT_EQ(widthSeen, 100);
}

TEST_F(MainWindowTest, CancelledOpenWashesAndShowsTheWash) {
    LoadGradient(100, 50);
    ui.colorAnswers.push_back(PackColor(255, 255, 255));
    Command(ui::Command::EditBackground);
    ui.openAnswers.push_back(std::nullopt);
    Command(ui::Command::FileOpen);
    const COLORREF washed = RGB(BlendChannel(0, 255, 255), BlendChannel(0, 255, 255), BlendChannel(200, 255, 255));
    EXPECT_EQ(ShownPixel(0, 0), washed);
    EXPECT_EQ(ShownPixel(99, 49), RGB(BlendChannel(99, 255, 255), BlendChannel(49, 255, 255),
                                      BlendChannel(200, 255, 255)));
}

TEST_F(MainWindowTest, CloseControlAndExitAskOnlyWhenUnsaved) {
    // Fresh: nothing to lose, the program ends without a question.
    SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(ui.messages().empty());

    Command(ui::Command::EditDelete);  // opening the delete dialog marks the document changed
    ASSERT_NE(window.deleteDialog(), nullptr);
    ui.messageAnswers.push_back(MessageResult::Cancel);
    SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(ended, 1) << "Cancel keeps the program running";
    ASSERT_EQ(ui.messages().size(), 1u);
    const MessageBoxRequest question = ui.messages()[0];
    EXPECT_EQ(question.text,
              "The map information has changed since your last save.  Would you like to save your work?");
    EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(question.defaultButton, MessageResult::Yes);
    EXPECT_TRUE(IsWindow(window.hwnd()));

    ui.messageAnswers.push_back(MessageResult::Cancel);
    Command(ui::Command::FileExit);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(ui.messages().size(), 2u);

    ui.messageAnswers.push_back(MessageResult::No);
    SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(ended, 2) << "No ends the program";
}

TEST_F(MainWindowTest, HelpItemsRunTheirHandlersAndTheDefaultEndingQuits) {
    int about = 0, tutorial = 0;
    window.onAbout = [&] { ++about; };
    window.onOnlineTutorial = [&] { ++tutorial; };
    Command(ui::Command::HelpAbout);
    Command(ui::Command::HelpOnline);
    Command(ui::Command::HelpOnline);
    EXPECT_EQ(about, 1);
    EXPECT_EQ(tutorial, 2);
    EXPECT_TRUE(ui.requests.empty());

    // Closing a window with nothing to save ends the program's loop with exit code 0.
    MainWindow own{&ui};
    PostMessageW(own.hwnd(), WM_CLOSE, 0, 0);
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); });
    EXPECT_EQ(RunMessageLoop(own), 0);
    KillTimer(nullptr, watchdog);
}

// Textures against the room the screen leaves: the window keeps the sizes fitting asks for where
// they fit, and otherwise takes the available area and scrolls the canvas with the frame on it.
class LargeTextureTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        if (IsSkipped()) return;
        window.setAvailableArea(area);
        SetWindowPos(window.hwnd(), nullptr, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        PumpFor(20);
    }

    // The client point where a texture pixel shows, when it is on view.
    std::optional<POINT> WhereShown(POINT pixel) const {
        const POINT scroll = window.scrollPosition();
        const POINT at{pixel.x - scroll.x, pixel.y - scroll.y};
        RECT client;
        GetClientRect(window.hwnd(), &client);
        if (!PtInRect(&client, at)) return std::nullopt;
        return at;
    }

    RECT area{0, 0, 800, 600};
};

TEST_F(LargeTextureTest, ATextureThatFitsKeepsItsExactSizesAndNoScrollBars) {
    LoadGradient(300, 200);
    RECT outer;
    GetWindowRect(window.hwnd(), &outer);
    if (TestDpi() == ui::kStandardDpi) {
        EXPECT_EQ(Width(outer), 500);   // 7500 twips
        EXPECT_EQ(Height(outer), 266);  // 4000 twips
    }
    const LONG_PTR style = GetWindowLongPtrW(window.hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL));
    const auto corner = WhereShown(POINT{299, 199});
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->x, 299);
    PressAt(window.hwnd(), *corner, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(Box(EditorView::Box::Top), "199");
}

// A scroll bar shows only while the content is larger than the client area, and goes when it fits
// again: after each open, after shrinking the window and after giving it its size back.
TEST_F(LargeTextureTest, ScrollBarsShowOnlyWhileTheTextureDoesNotFit) {
    // Room for the window with the frame beside the texture at every resolution tested.
    window.setAvailableArea(RECT{0, 0, 1400, 1000});
    const auto bars = [&] { return GetWindowLongPtrW(window.hwnd(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL); };
    const auto client = [&] {
        RECT r;
        GetClientRect(window.hwnd(), &r);
        return SIZE{r.right, r.bottom};
    };
    for (int open = 0; open < 4; ++open) {
        LoadGradient(open % 2 ? 300 : 512, 256);
        LoadGradient(512, 256);
        PumpFor(100);  // long enough for Wine to settle the bars on a busy machine
        EXPECT_EQ(bars(), 0) << "open " << open;
    }
    const SIZE fitted = client();
    EXPECT_EQ(fitted.cx, window.contentSize().cx);
    EXPECT_EQ(fitted.cy, window.contentSize().cy);
    RECT outer;
    GetWindowRect(window.hwnd(), &outer);

    SetWindowPos(window.hwnd(), nullptr, 0, 0, Width(outer) - 200, Height(outer) - 100,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(100);  // long enough for Wine to settle the bars on a busy machine
    EXPECT_EQ(bars(), WS_HSCROLL | WS_VSCROLL) << "smaller than the texture both ways";
    SetWindowPos(window.hwnd(), nullptr, 0, 0, Width(outer) + 100, Height(outer) - 100,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(100);  // long enough for Wine to settle the bars on a busy machine
    EXPECT_EQ(bars(), WS_VSCROLL) << "only the height is short, and the width has room for the bar";
    SetWindowPos(window.hwnd(), nullptr, 0, 0, Width(outer), Height(outer), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(100);  // long enough for Wine to settle the bars on a busy machine
    EXPECT_EQ(bars(), 0) << "the size given back: no bar stays";
    EXPECT_EQ(client().cx, fitted.cx);
    EXPECT_EQ(client().cy, fitted.cy);
    const RECT frame = RectInParent(window.frame());
    EXPECT_LE(frame.right, client().cx) << "the frame is whole";
}

// A texture opened after another was scrolled shows from its top-left corner.
TEST_F(LargeTextureTest, ANewTextureShowsFromItsTopLeftCorner) {
    LoadGradient(300, 1500);
    SendMessageW(window.hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
    ASSERT_GT(window.scrollPosition().y, 0);
    LoadGradient(512, 256);
    PumpFor(20);
    EXPECT_EQ(window.scrollPosition().x, 0);
    EXPECT_EQ(window.scrollPosition().y, 0);
    EXPECT_EQ(GetScrollPos(window.hwnd(), SB_VERT), 0);
    EXPECT_EQ(ShownPixel(3, 0), RGB(3, 0, 200));
    EXPECT_EQ(ShownPixel(3, 255), RGB(3, 255, 200));
    PressAt(window.hwnd(), POINT{5, 2}, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(Box(EditorView::Box::Top), "2");
    // The frame is beside the new texture, centred on its height.
    const RECT frame = RectInParent(window.frame());
    EXPECT_EQ(frame.left, 520);
    EXPECT_NEAR(frame.top + Height(frame) / 2.0, 128, 1);
}

TEST_F(LargeTextureTest, ATallerTextureScrollsAndItsLastRowCanBePicked) {
    LoadGradient(400, 1500);
    RECT outer;
    GetWindowRect(window.hwnd(), &outer);
    if (TestDpi() == ui::kStandardDpi) EXPECT_EQ(Width(outer), 600) << "the width asked for still fits";
    EXPECT_EQ(Height(outer), 600) << "the largest height the area allows";
    EXPECT_TRUE(GetWindowLongPtrW(window.hwnd(), GWL_STYLE) & WS_VSCROLL);

    EXPECT_FALSE(WhereShown(POINT{7, 1499})) << "out of view before scrolling";
    SendMessageW(window.hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
    const auto last = WhereShown(POINT{7, 1499});
    ASSERT_TRUE(last);
    EXPECT_GT(window.scrollPosition().y, 0);
    EXPECT_EQ(GetScrollPos(window.hwnd(), SB_VERT), window.scrollPosition().y);
    // The scrolled view paints the rows it shows, and a press there picks them.
    EXPECT_EQ(ShownPixel(last->x, last->y), RGB(7, 1499 % 256, 200));
    EXPECT_EQ(ShownPixel(last->x, last->y - 300), RGB(7, 1199 % 256, 200));
    HWND target = PressAt(window.hwnd(), *last, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(target, window.hwnd());
    EXPECT_EQ(Box(EditorView::Box::Left), "7");
    EXPECT_EQ(Box(EditorView::Box::Top), "1499");

    // Back up by a line step and a wheel notch: a row above shows lower down, painted anew.
    SendMessageW(window.hwnd(), WM_VSCROLL, SB_LINEUP, 0);
    SendMessageW(window.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    const auto moved = WhereShown(POINT{7, 1400});
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->y, last->y - 99 + 16 + 48);
    EXPECT_EQ(ShownPixel(moved->x, moved->y), RGB(7, 1400 % 256, 200));
    EXPECT_EQ(ShownPixel(moved->x, 5), RGB(7, (5 + window.scrollPosition().y) % 256, 200));
}

TEST_F(LargeTextureTest, AWideAndTallTextureScrollsToItsCornerAndTheFrameBesideIt) {
    SetWindowPos(window.hwnd(), nullptr, area.right - 100, area.bottom - 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    LoadGradient(1984, 2117);
    RECT outer;
    GetWindowRect(window.hwnd(), &outer);
    EXPECT_TRUE(EqualRect(&outer, &area)) << "the whole available area, kept on it: " << outer.left << ","
                                          << outer.top << " " << Width(outer) << "x" << Height(outer);
    SendMessageW(window.hwnd(), WM_HSCROLL, SB_BOTTOM, 0);
    SendMessageW(window.hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
    PumpFor(20);
    const auto corner = WhereShown(POINT{1983, 2116});
    ASSERT_TRUE(corner);
    EXPECT_EQ(ShownPixel(corner->x, corner->y), RGB(1983 % 256, 2116 % 256, 200));
    PressAt(window.hwnd(), *corner, WM_RBUTTONDOWN, MK_RBUTTON);
    EXPECT_EQ(Box(EditorView::Box::Left), "1983");
    EXPECT_EQ(Box(EditorView::Box::Top), "2116");
    // The frame scrolled with the canvas: beside the texture and on view.
    const RECT frame = RectInParent(window.frame());
    const POINT scroll = window.scrollPosition();
    EXPECT_EQ(frame.left + scroll.x, 1992);
    EXPECT_NEAR(frame.top + scroll.y + Height(frame) / 2.0, 2117 / 2.0, 1) << "centred on the texture's height";
    RECT client;
    GetClientRect(window.hwnd(), &client);
    EXPECT_LE(frame.right, client.right);
}

}  // namespace
}  // namespace vantrel::test
