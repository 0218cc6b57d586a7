// How long the main window takes to repaint its canvas and to scroll it one step, on a large
// texture with many entries shown: figures printed, nothing timed against a limit. Disabled by
// default; run it with
//   editor_window_tests --gtest_also_run_disabled_tests --gtest_filter='*PaintTiming*'
// (under Wine, in a display: scripts/with-wine-display build-windows wine ...).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "editor/Zoom.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/MainWindow.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TargaWriter.h"
#include "support/TestData.h"
#include "support/TgaFiles.h"

namespace vantrel::test {
namespace {

using namespace win32;

constexpr int kTextureWidth = 1984;
constexpr int kTextureHeight = 2117;

// 2,000 entries of 40 x 40 texels in rows of 40, each named, all on the texture.
std::string ManyEntries() {
    std::string ini;
    for (int k = 0; k < 2000; ++k) {
        const int left = (k % 40) * 48 + 4;
        const int top = (k / 40) * 42 + 3;
        ini += "MappedImage Icon" + std::to_string(k) + "\r\n  Texture = big.tga\r\n  TextureWidth = " +
               std::to_string(kTextureWidth) + "\r\n  TextureHeight = " + std::to_string(kTextureHeight) +
               "\r\n  Coords = Left:" + std::to_string(left) + " Top:" + std::to_string(top) +
               " Right:" + std::to_string(left + 40) + " Bottom:" + std::to_string(top + 40) +
               "\r\n  Status = NONE\r\nEnd\r\n";
    }
    return ini;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The median time of `runs` runs of `step`, each followed by the repaint it asks for.
template <class Step>
double MedianMilliseconds(HWND window, int runs, Step step) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        step(run);
        UpdateWindow(window);
        GdiFlush();
        QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(start, end));
        PumpFor(1);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

TEST(PaintTiming, DISABLED_FullRepaintAndOneScrollStep) {
    SKIP_WITHOUT_DISPLAY();
    TempDir temp;
    ScriptedUserInteraction ui;
    MainWindow window{&ui};
    window.setEndProgram([] {});
    window.show();
    PumpFor(20);
    const auto command = [&](ui::Command c) { SendMessageW(window.hwnd(), WM_COMMAND, CommandId(c), 0); };
    WriteBytes(temp / "big.tga", GradientTga24(kTextureWidth, kTextureHeight));
    ui.openAnswers.push_back((temp / "big.tga").string());
    command(ui::Command::FileOpen);
    WriteFileBytes(temp / "icons.ini", ManyEntries());
    ui.openAnswers.push_back((temp / "icons.ini").string());
    command(ui::Command::FileOpenMapping);
    ASSERT_EQ(window.editor().colNames().size(), 2000u);
    ASSERT_TRUE(window.editor().showEntries());
    PumpFor(100);

    HWND hwnd = window.hwnd();
    RECT client;
    GetClientRect(hwnd, &client);
    std::printf("texture %d x %d, 2000 entries shown, client %ld x %ld\n", kTextureWidth, kTextureHeight,
                client.right, client.bottom);
    std::printf("zoom   full repaint   one scroll step (16 px down / up)   milliseconds, median\n");
    for (const int percent : {100, 400, 1600}) {
        command(ui::Command::ViewActualSize);
        while (window.editor().zoomPercent() < percent) command(ui::Command::ViewZoomIn);
        // From the middle of the texture, so every step scrolls.
        SendMessageW(hwnd, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        GetScrollInfo(hwnd, SB_VERT, &info);
        SendMessageW(hwnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, info.nMax / 2), 0);
        UpdateWindow(hwnd);
        PumpFor(50);
        const double full =
            MedianMilliseconds(hwnd, 15, [&](int) { InvalidateRect(hwnd, nullptr, FALSE); });
        const double scroll = MedianMilliseconds(hwnd, 30, [&](int run) {
            SendMessageW(hwnd, WM_VSCROLL, run % 2 ? SB_LINEUP : SB_LINEDOWN, 0);
        });
        std::printf("%4d %%   %8.1f        %8.1f\n", percent, full, scroll);
        EXPECT_EQ(window.editor().zoomPercent(), percent);
    }
    std::fflush(stdout);
}

}  // namespace
}  // namespace vantrel::test
