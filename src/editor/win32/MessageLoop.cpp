#include "editor/win32/MessageLoop.h"

#include <algorithm>
#include <vector>

#include "editor/win32/MainWindow.h"

namespace vantrel::win32 {

namespace {

// One thread, one loop: the state of the loop lives here for the life of the process.
std::vector<HWND>& ModelessWindows() {
    static std::vector<HWND> windows;
    return windows;
}
HWND g_acceleratorWindow = nullptr;
HACCEL g_accelerators = nullptr;

bool BelongsTo(HWND window, HWND message) { return message == window || IsChild(window, message); }

}  // namespace

void RegisterModelessWindow(HWND window) {
    auto& windows = ModelessWindows();
    if (window && std::find(windows.begin(), windows.end(), window) == windows.end()) windows.push_back(window);
}

void UnregisterModelessWindow(HWND window) {
    auto& windows = ModelessWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

void SetAcceleratorTarget(HWND window, HACCEL table) {
    g_acceleratorWindow = window;
    g_accelerators = table;
}

void ClearAcceleratorTarget(HWND window) {
    if (g_acceleratorWindow == window) SetAcceleratorTarget(nullptr, nullptr);
}

bool PreTranslateMessage(MSG& message) {
    // The menu shortcuts come first: an edit box would otherwise take Ctrl+E and Ctrl+D itself.
    if (g_acceleratorWindow && g_accelerators && BelongsTo(g_acceleratorWindow, message.hwnd) &&
        TranslateAcceleratorW(g_acceleratorWindow, g_accelerators, &message))
        return true;
    // A copy: a window may unregister itself while its message is handled.
    const std::vector<HWND> windows = ModelessWindows();
    for (HWND window : windows)
        if (IsWindow(window) && BelongsTo(window, message.hwnd) && IsDialogMessageW(window, &message)) return true;
    return false;
}

void PumpPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (!PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

int RunMessageLoop(MainWindow& mainWindow) {
    SetAcceleratorTarget(mainWindow.hwnd(), mainWindow.accelerators());
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0) {
        if (got == -1) return -1;
        if (!PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace vantrel::win32
