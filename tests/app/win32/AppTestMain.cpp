// The tests create real windows: on this thread, in a single-threaded apartment with OLE (the
// tutorial window hosts the browser control), with the common controls loaded, as the program does.
// A run meant for a scaled display names its resolution in VANTREL_EXPECT_DPI; when the display
// is at another, nothing runs and the run fails, rather than proving the standard scale again.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>

#include "platform/win32/Window.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const int dpi = vantrel::win32::WindowDpi(nullptr);
    std::printf("Display: %d dpi\n", dpi);
    if (const char* expected = std::getenv("VANTREL_EXPECT_DPI"); expected && std::atoi(expected) != dpi) {
        std::fprintf(stderr, "The display is at %d dpi, not at the %s dpi this run is for.\n", dpi, expected);
        return 1;
    }
    const HRESULT ole = OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const int result = RUN_ALL_TESTS();
    if (SUCCEEDED(ole)) OleUninitialize();
    return result;
}
