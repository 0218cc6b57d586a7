// The real Win32 main window's zoom, overlay and entry list under Wine: texels drawn as squares
// and picked back by presses at every zoom and scroll, Ctrl+wheel about the cursor, the shortcuts
// (alternates included) from a coordinate box, the outline of an entry at its device pixels, and a
// journey from Open Mapping to the saved bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "editor/Overlay.h"
#include "editor/Zoom.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/MainWindow.h"
#include "platform/WideText.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestData.h"
#include "support/TargaWriter.h"
#include "support/TgaFiles.h"
#include "ui/WindowDescriptions.h"

namespace vantrel::test {
namespace {

using namespace win32;
using Box = EditorView::Box;

// The gradient's texel colour (see GradientTga24).
COLORREF Texel(int x, int y) { return RGB(x & 255, y & 255, 200); }
COLORREF Colour(std::uint32_t rgb) { return RGB((rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255); }

// One entry on gradient.tga: the game cuts texels 8..23 x 10..19 of it.
const std::string kMapping =
    "; icons\r\n"
    "MappedImage Star ; kept\r\n"
    "  Texture = Gradient.TGA\r\n"
    "  TextureWidth = 100\r\n"
    "  TextureHeight = 50\r\n"
    "  Coords = Left:8 Top:10 Right:24 Bottom:20\r\n"
    "  Status = NONE\r\n"
    "End\n"
    "; last line without an end";

class ZoomOverlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_DISPLAY();
        window.setEndProgram([] {});
        window.show();
        PumpFor(20);
    }

    void LoadGradient(int width, int height) {
        const auto path = temp / "gradient.tga";
        WriteBytes(path, GradientTga24(width, height));
        ui.openAnswers.push_back(path.string());
        Command(ui::Command::FileOpen);
    }
    void OpenMapping() {
        const auto path = temp / "icons.ini";
        WriteFileBytes(path, kMapping);
        ui.openAnswers.push_back(path.string());
        Command(ui::Command::FileOpenMapping);
    }
    void Command(ui::Command command) { SendMessageW(window.hwnd(), WM_COMMAND, CommandId(command), 0); }
    void ZoomTo(int percent) {
        Command(ui::Command::ViewActualSize);
        while (window.editor().zoomPercent() < percent) Command(ui::Command::ViewZoomIn);
        ASSERT_EQ(window.editor().zoomPercent(), percent);
    }
    COLORREF ShownPixel(int x, int y) {
        UpdateWindow(window.hwnd());
        HDC dc = GetDC(window.hwnd());
        const COLORREF color = GetPixel(dc, x, y);
        ReleaseDC(window.hwnd(), dc);
        return color;
    }
    // The texel a client point shows and a press there picks, at the window's zoom and scroll.
    POINT TexelAt(POINT client) {
        const int percent = window.editor().zoomPercent();
        return POINT{TexturePixelAt(client.x, window.scrollPosition().x, percent),
                     TexturePixelAt(client.y, window.scrollPosition().y, percent)};
    }
    std::string BoxText(Box which) const { return window.boxText(which); }
    void Wheel(POINT client, int delta) {
        ClientToScreen(window.hwnd(), &client);
        SendMessageW(window.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, delta), MAKELPARAM(client.x, client.y));
    }

    TempDir temp;
    ScriptedUserInteraction ui;
    MainWindow window{&ui};
};

// Every shortcut of the View and Edit menus, the alternates and the other keys that type "+" and
// "-" included, runs its command while a coordinate box has the focus; the box sees none of them.
TEST_F(ZoomOverlayTest, ShortcutsAndAlternatesWorkFromACoordinateBox) {
    LoadGradient(100, 50);
    HWND box = window.box(Box::Left);
    struct Key {
        UINT key;
        bool control;
        bool shift;
        int zoom;
    };
    const Key zoomKeys[] = {{VK_OEM_PLUS, true, false, 200},  {VK_OEM_PLUS, true, true, 300},  {VK_ADD, true, false, 400},
                            {VK_OEM_MINUS, true, false, 300}, {VK_SUBTRACT, true, false, 200}, {'0', true, false, 100},
                            {VK_NUMPAD0, true, false, 100}};
    for (const Key& key : zoomKeys) {
        SetFocus(box);
        PressKey(box, key.key, key.control, key.shift);
        EXPECT_EQ(window.editor().zoomPercent(), key.zoom) << "key " << key.key << (key.shift ? " with Shift" : "");
    }
    // Show Entries: the menu's check follows the editor.
    HMENU bar = GetMenu(window.hwnd());
    for (const bool on : {true, false}) {
        PressKey(box, 'L', true);
        EXPECT_EQ(window.editor().showEntries(), on);
        EXPECT_EQ((GetMenuState(bar, CommandId(ui::Command::ViewShowEntries), MF_BYCOMMAND) & MF_CHECKED) != 0, on);
    }
    // Esc clears the picked corners, so the mouse picks again.
    PressAt(window.hwnd(), POINT{10, 20}, WM_LBUTTONDOWN, MK_LBUTTON);
    PressAt(window.hwnd(), POINT{30, 40}, WM_LBUTTONDOWN, MK_LBUTTON);
    ASSERT_TRUE(window.editor().blnRightBottomPicked());
    SetFocus(box);
    PressKey(box, VK_ESCAPE);
    EXPECT_FALSE(window.editor().blnLeftTopPicked());
    EXPECT_EQ(BoxText(Box::Left) + BoxText(Box::Bottom), "");
    EXPECT_EQ(GetFocus(), box) << "Esc closes nothing";
    EXPECT_TRUE(ui.messages().empty());
}

// At every zoom each texel is a z x z square and a press picks the texel under it, scrolled or
// not; the window keeps its size, the frame stays in view, and the last column can be scrolled
// out from under the frame. Back at 100 % the window is as it was.
TEST_F(ZoomOverlayTest, ZoomDrawsSquaresAndPressesPickTheTexelUnderThem) {
    LoadGradient(100, 50);
    RECT outerBefore, frameBefore = RectInParent(window.frame());
    GetWindowRect(window.hwnd(), &outerBefore);
    const POINT probes[] = {{0, 0}, {3, 3}, {4, 3}, {37, 22}, {61, 45}};
    for (const int percent : kZoomSteps) {
        ZoomTo(percent);
        for (const bool scrolled : {false, true}) {
            if (scrolled) {
                SendMessageW(window.hwnd(), WM_HSCROLL, SB_LINEDOWN, 0);
                SendMessageW(window.hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
            }
            for (const POINT probe : probes) {
                const POINT texel = TexelAt(probe);
                if (texel.x >= 100 || texel.y >= 50) continue;
                EXPECT_EQ(ShownPixel(probe.x, probe.y), Texel(texel.x, texel.y))
                    << percent << "% at " << probe.x << "," << probe.y;
                PressAt(window.hwnd(), probe, WM_LBUTTONDOWN, MK_LBUTTON);
                EXPECT_EQ(BoxText(Box::Left), std::to_string(texel.x)) << percent << "%";
                EXPECT_EQ(BoxText(Box::Top), std::to_string(texel.y)) << percent << "%";
                Command(ui::Command::EditClearCorners);
            }
        }
        RECT outer;
        GetWindowRect(window.hwnd(), &outer);
        EXPECT_EQ(Width(outer), Width(outerBefore)) << percent << "%: the window keeps its size";
        EXPECT_EQ(Height(outer), Height(outerBefore)) << percent << "%";
        RECT client;
        GetClientRect(window.hwnd(), &client);
        const RECT frame = RectInParent(window.frame());
        if (percent == 100) continue;
        // Whole, or from the client's top where the window is lower than the frame.
        EXPECT_TRUE(frame.left >= 0 && frame.top >= 0 && frame.right <= client.right &&
                    (frame.bottom <= client.bottom || frame.top == 0))
            << percent << "%: the frame shows whole " << frame.left << "," << frame.top << " " << frame.right << ","
            << frame.bottom << " in " << client.right << "," << client.bottom;
        // Scrolled to the end, the texture's last column shows left of the frame.
        SendMessageW(window.hwnd(), WM_HSCROLL, SB_BOTTOM, 0);
        const int z = ZoomFactor(percent);
        const int lastColumnAt = 100 * z - 1 - window.scrollPosition().x;
        EXPECT_LT(lastColumnAt, frame.left) << percent << "%";
        EXPECT_EQ(ShownPixel(lastColumnAt, 1), Texel(99, TexelAt({0, 1}).y)) << percent << "%";
        SendMessageW(window.hwnd(), WM_HSCROLL, SB_TOP, 0);
    }
    Command(ui::Command::ViewActualSize);
    EXPECT_EQ(window.scrollPosition().x, 0);
    EXPECT_EQ(window.scrollPosition().y, 0);
    const RECT frameAfter = RectInParent(window.frame());
    EXPECT_EQ(frameAfter.left, frameBefore.left);
    EXPECT_EQ(frameAfter.top, frameBefore.top);
    EXPECT_EQ(GetWindowLongPtrW(window.hwnd(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0) << "no scroll bars at 100 %";
    EXPECT_EQ(ShownPixel(99, 49), Texel(99, 49));
}

// Ctrl+wheel zooms one step a notch about the texel under the cursor; opening a texture returns
// to 100 %.
TEST_F(ZoomOverlayTest, ControlWheelKeepsTheTexelUnderTheCursor) {
    LoadGradient(300, 200);
    const POINT cursor{150, 90};
    for (const int delta : {WHEEL_DELTA, WHEEL_DELTA, WHEEL_DELTA, -WHEEL_DELTA, WHEEL_DELTA}) {
        const int before = window.editor().zoomPercent();
        const POINT under = TexelAt(cursor);
        Wheel(cursor, delta);
        EXPECT_EQ(window.editor().zoomPercent(), delta > 0 ? ZoomedIn(before) : ZoomedOut(before));
        const POINT now = TexelAt(cursor);
        EXPECT_EQ(now.x, under.x) << window.editor().zoomPercent();
        EXPECT_EQ(now.y, under.y) << window.editor().zoomPercent();
        EXPECT_EQ(ShownPixel(cursor.x, cursor.y), Texel(under.x, under.y));
    }
    EXPECT_EQ(window.editor().zoomPercent(), 400);
    LoadGradient(100, 50);
    EXPECT_EQ(window.editor().zoomPercent(), 100);
    EXPECT_EQ(ShownPixel(99, 49), Texel(99, 49));
}

// The outline of an entry runs on the outermost device pixels of the texels the game cuts, with a
// halo pixel either side and its name on a box above it; with Show Entries off nothing is drawn.
TEST_F(ZoomOverlayTest, OutlineAtItsDevicePixels) {
    LoadGradient(200, 150);
    OpenMapping();
    ASSERT_TRUE(window.editor().showEntries()) << "Open Mapping turns Show Entries on";
    Command(ui::Command::ViewShowEntries);
    // Off, at 100 %: every pixel around and inside the entry is the texture's.
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 30; ++x) ASSERT_EQ(ShownPixel(x, y), Texel(x, y)) << x << "," << y;

    Command(ui::Command::ViewShowEntries);
    ZoomTo(400);
    SendMessageW(window.hwnd(), WM_HSCROLL, SB_TOP, 0);
    SendMessageW(window.hwnd(), WM_VSCROLL, SB_TOP, 0);
    ASSERT_EQ(window.scrollPosition().x, 0);
    ASSERT_EQ(window.scrollPosition().y, 0);
    const OverlayColours colours = ColoursFor(OverlayStyle::Entry);
    // Texels 8..23 x 10..19 at 400 %: device pixels 32..95 x 40..79; the name's box above them.
    struct Expected {
        int x, y;
        COLORREF colour;
    };
    const Expected expected[] = {
        {32, 60, Colour(colours.line)},  {31, 60, Colour(colours.halo)}, {33, 60, Colour(colours.halo)},
        {30, 60, Texel(7, 15)},          {34, 60, Texel(8, 15)},         {95, 60, Colour(colours.line)},
        {96, 60, Colour(colours.halo)},  {94, 60, Colour(colours.halo)}, {97, 60, Texel(24, 15)},
        {60, 79, Colour(colours.line)},  {60, 80, Colour(colours.halo)}, {60, 81, Texel(15, 20)},
        {60, 40, Colour(colours.line)},  {60, 42, Texel(15, 10)},        {50, 60, Texel(12, 15)},
        {31, 38, Colour(colours.labelBack)},
    };
    for (const Expected& e : expected) EXPECT_EQ(ShownPixel(e.x, e.y), e.colour) << e.x << "," << e.y;
}

// The client area's pixels as the screen shows them, row by row.
std::vector<std::uint32_t> ClientPixels(HWND window) {
    UpdateWindow(window);
    RECT client;
    GetClientRect(window, &client);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<std::uint32_t> pixels(static_cast<const std::uint32_t*>(bits),
                                      static_cast<const std::uint32_t*>(bits) + client.right * client.bottom);
    for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return pixels;
}

// Scrolling repaints only the strips it uncovers: after every step, in each direction and at
// each zoom, with outlines and names crossing the view's edges, the window shows exactly what a
// repaint of the whole of it shows.
TEST_F(ZoomOverlayTest, ScrollStepsShowWhatAWholeRepaintShows) {
    LoadGradient(200, 150);
    OpenMapping();
    ASSERT_TRUE(window.editor().showEntries());
    // The corners picked, so that the pending rectangle is drawn too.
    PressAt(window.hwnd(), POINT{5, 30}, WM_LBUTTONDOWN, MK_LBUTTON);
    PressAt(window.hwnd(), POINT{60, 70}, WM_LBUTTONDOWN, MK_LBUTTON);
    struct Step {
        UINT message;
        WPARAM request;
    };
    const Step steps[] = {{WM_HSCROLL, SB_LINEDOWN}, {WM_VSCROLL, SB_LINEDOWN}, {WM_HSCROLL, SB_LINEUP},
                          {WM_VSCROLL, SB_LINEUP}};
    for (const int percent : {100, 400, 1600}) {
        ZoomTo(percent);
        SendMessageW(window.hwnd(), WM_HSCROLL, SB_TOP, 0);
        SendMessageW(window.hwnd(), WM_VSCROLL, SB_TOP, 0);
        for (const Step& step : steps)
            for (int i = 0; i < 6; ++i) {
                const POINT before = window.scrollPosition();
                SendMessageW(window.hwnd(), step.message, step.request, 0);
                const std::vector<std::uint32_t> scrolled = ClientPixels(window.hwnd());
                InvalidateRect(window.hwnd(), nullptr, FALSE);
                const std::vector<std::uint32_t> repainted = ClientPixels(window.hwnd());
                const auto differs = std::mismatch(scrolled.begin(), scrolled.end(), repainted.begin());
                ASSERT_TRUE(differs.first == scrolled.end())
                    << percent << "%, scrolled from " << before.x << "," << before.y << " to "
                    << window.scrollPosition().x << "," << window.scrollPosition().y << ": pixel "
                    << (differs.first - scrolled.begin()) << " differs";
            }
    }
}

// The journey: Open Mapping, zoom to 400 %, two corners by presses, Complete, Undo, Redo, select
// by Ctrl+press and from the entry list, Rename (F2), Update (Ctrl+U), Save: the file is the
// opened bytes with exactly those changes. Every command after the open is a key pressed in a
// coordinate box, where the box's own Ctrl+Z must not win.
TEST_F(ZoomOverlayTest, JourneyFromOpenMappingToTheSavedBytes) {
    LoadGradient(200, 150);
    OpenMapping();
    ASSERT_TRUE(window.editor().showEntries());
    HWND box = window.box(Box::Top);
    const auto key = [&](UINT virtualKey, bool control = false, bool shift = false) {
        SetFocus(box);
        PressKey(box, virtualKey, control, shift);
    };
    for (int i = 0; i < 3; ++i) key(VK_OEM_PLUS, true);
    ASSERT_EQ(window.editor().zoomPercent(), 400);
    SendMessageW(window.hwnd(), WM_HSCROLL, SB_TOP, 0);
    SendMessageW(window.hwnd(), WM_VSCROLL, SB_TOP, 0);
    SendMessageW(window.hwnd(), WM_HSCROLL, SB_LINEDOWN, 0);
    const POINT scroll = window.scrollPosition();
    ASSERT_GT(scroll.x, 0);
    ASSERT_EQ(scroll.y, 0);

    // Corners 30, 6 and 45, 14 left of the frame: device pixels 4 x those, somewhere in the texel.
    PressAt(window.hwnd(), POINT{30 * 4 + 3 - scroll.x, 6 * 4 + 1}, WM_LBUTTONDOWN, MK_LBUTTON);
    PressAt(window.hwnd(), POINT{45 * 4 - scroll.x, 14 * 4 + 2}, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(BoxText(Box::Left) + "," + BoxText(Box::Top) + "," + BoxText(Box::Right) + "," + BoxText(Box::Bottom),
              "30,6,45,14");
    ui.inputAnswers.push_back("Moon");
    key('E', true);
    ASSERT_EQ(window.editor().colNames().size(), 2u);

    // Ctrl+Z in the box undoes the document, not the box's typing.
    key('7');
    ASSERT_EQ(BoxText(Box::Top), "7");
    key('Z', true);
    EXPECT_EQ(window.editor().colNames().size(), 1u);
    EXPECT_EQ(BoxText(Box::Top), "7") << "the box's own undo ran";
    key('Y', true);
    ASSERT_EQ(window.editor().colNames().size(), 2u);

    // The entry list lists both and selects the one chosen.
    key('L', true, true);
    ASSERT_NE(window.entryList(), nullptr);
    HWND list = window.entryList()->list();
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    std::vector<wchar_t> row(64);
    SendMessageW(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(row.data()));
    EXPECT_EQ(WideToUtf8(row.data()), window.editor().colNames()[1]);
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    SendMessageW(window.entryList()->hwnd(), WM_COMMAND, MAKEWPARAM(kEntryListControlId, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(window.editor().selectedEntry(), 2);

    // Ctrl+press inside Star's outline (texel 10, 12) selects it; the list follows.
    SendMessageW(window.hwnd(), WM_HSCROLL, SB_TOP, 0);
    PressAt(window.hwnd(), POINT{10 * 4 + 1, 12 * 4 + 2}, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL);
    ASSERT_EQ(window.editor().selectedEntry(), 1);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(BoxText(Box::Left) + "," + BoxText(Box::Top), "8,10");

    ui.inputAnswers.push_back("Sun");
    SetForegroundWindow(window.hwnd());
    key(VK_F2);
    SetWindowTextW(window.box(Box::Right), L"25");
    key('U', true);
    ui.saveAnswers.push_back((temp / "unused.ini").string());
    key('S', true);
    EXPECT_TRUE(ui.messages().empty()) << ui.messages().front().text;

    const std::string expected =
        "; icons\r\n"
        "MappedImage Sun ; kept\r\n"
        "  Texture = Gradient.TGA\r\n"
        "  TextureWidth = 100\r\n"
        "  TextureHeight = 50\r\n"
        "  Coords = Left:8 Top:10 Right:25 Bottom:20\r\n"
        "  Status = NONE\r\n"
        "End\n"
        "; last line without an end\r\n"
        "MappedImage Moon\r\n"
        "Texture = gradient.tga\r\n"
        "TextureWidth = 200\r\n"
        "TextureHeight = 150\r\n"
        "Coords = Left:30 Top:6 Right:45 Bottom:14\r\n"
        "Status = NONE\r\n"
        "End\r\n"
        " \r\n";
    EXPECT_EQ(ReadFileText(temp / "icons.ini"), expected);
    EXPECT_FALSE(std::filesystem::exists(temp / "unused.ini")) << "Save wrote to the opened file without asking";
}

}  // namespace
}  // namespace vantrel::test
