// The Game Preview window through the real Win32 main window under Wine: a texture opened, the
// boxes typed, Ctrl+G, and the window's pictures read back from its device context pixel for
// pixel against the game's view of the texture.
#include "editor/win32/GamePreviewWindow.h"

#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/MainWindow.h"
#include "platform/WideText.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestData.h"
#include "support/TgaFiles.h"

namespace vantrel::test {
namespace {

using namespace win32;

// A colour-mapped texture stored bottom row first, 32 x 24: the game turns it upright and reads
// each colour-map entry with red and blue swapped. The editor's canvas shows neither.
constexpr int kWidth = 32;
constexpr int kHeight = 24;
const std::vector<std::uint32_t> kTable{0x0000FF, 0x00FF00, 0xFF0000, 0x204080, 0xFFFFFF};
int IndexAt(int x, int y) { return (x / 3 + y * 2) % 5; }
// The game's pixel as a COLORREF: the table's colour value keeps red in its low byte and blue in
// its third; the game shows them swapped.
COLORREF GamePixel(int x, int y) {
    const std::uint32_t value = kTable[IndexAt(x, y)];
    return RGB(value >> 16 & 255, value >> 8 & 255, value & 255);
}

void TypeInto(HWND box, const char* text) { SetWindowTextW(box, Utf8ToWide(text).c_str()); }

TEST(GamePreviewWindowWin32, CtrlGShowsTheGamesPixelsAtOneAndTwoTimesAndFollowsTheBoxes) {
    SKIP_WITHOUT_DISPLAY();
    TempDir temp;
    const auto path = temp / "Cameos.tga";
    WriteBytes(path, EncodeTarga({.width = kWidth, .height = kHeight,
                                  .pixel = [](int x, int y) { return static_cast<std::uint32_t>(IndexAt(x, y)); },
                                  .bitsPerPixel = 8, .colorTable = kTable}));
    ScriptedUserInteraction ui;
    MainWindow window(&ui);
    window.setEndProgram([] {});
    window.show();
    PumpFor(20);
    ui.openAnswers.push_back(path.string());
    SendMessageW(window.hwnd(), WM_COMMAND, CommandId(ui::Command::FileOpen), 0);
    TypeInto(window.box(EditorView::Box::Left), "4");
    TypeInto(window.box(EditorView::Box::Top), "3");
    TypeInto(window.box(EditorView::Box::Right), "21");
    TypeInto(window.box(EditorView::Box::Bottom), "13");

    ASSERT_EQ(window.gamePreview(), nullptr);
    SetFocus(window.box(EditorView::Box::Left));
    PressKey(GetFocus(), 'G', true);
    GamePreviewWindow* preview = window.gamePreview();
    ASSERT_NE(preview, nullptr) << "Ctrl+G opens Game Preview";
    ASSERT_TRUE(PumpUntil([&] { return preview->isShown(); }));
    EXPECT_EQ(TextOf(preview->hwnd()), L"Game Preview");
    EXPECT_EQ(GetForegroundWindow(), window.hwnd()) << "the boxes keep the keyboard";
    EXPECT_EQ(TextOf(preview->sizeLabel()), Utf8ToWide("17 \xC3\x97 10 pixels"));
    EXPECT_EQ(TextOf(preview->noteLabel()),
              Utf8ToWide("The game draws 17 \xC3\x97 10: it leaves out the Right column and the Bottom row"));

    // What the window's device context holds: one picture pixel to one screen pixel, then to a 2 x 2 square.
    auto expectPictures = [&](int left, int top, int width, int height) {
        PumpFor(20);
        UpdateWindow(preview->hwnd());
        HDC dc = GetDC(preview->hwnd());
        const RECT one = preview->actualPlace();
        const RECT two = preview->doublePlace();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const COLORREF game = GamePixel(left + x, top + y);
                ASSERT_EQ(GetPixel(dc, one.left + x, one.top + y), game) << "1x at " << x << ", " << y;
                for (int d = 0; d < 4; ++d)
                    ASSERT_EQ(GetPixel(dc, two.left + 2 * x + d % 2, two.top + 2 * y + d / 2), game)
                        << "2x at " << x << ", " << y;
            }
        // Nothing of the game's cut beyond its size.
        EXPECT_NE(GetPixel(dc, one.left + width, one.top), GamePixel(left + width, top));
        ReleaseDC(preview->hwnd(), dc);
    };
    expectPictures(4, 3, 17, 10);

    // Typing into a box updates the window while it stays open.
    TypeInto(window.box(EditorView::Box::Right), "32");
    EXPECT_EQ(TextOf(preview->sizeLabel()), Utf8ToWide("28 \xC3\x97 10 pixels"));
    EXPECT_EQ(TextOf(preview->noteLabel()), Utf8ToWide("The game draws 28 \xC3\x97 10: it leaves out the Bottom row"));
    expectPictures(4, 3, 28, 10);

    // Opening a texture updates it too: here one the game cannot open.
    ui.openAnswers.push_back((temp / "Missing.tga").string());
    SendMessageW(window.hwnd(), WM_COMMAND, CommandId(ui::Command::FileOpen), 0);
    EXPECT_EQ(preview->shown().shows, GameShows::MissingTexture);
    EXPECT_NE(TextOf(preview->noteLabel()).find(L"missing-texture placeholder"), std::wstring::npos);
}

}  // namespace
}  // namespace vantrel::test
