#include "AppWindowTestSupport.h"

#include <algorithm>
#include <utility>

namespace vantrel::test {

namespace {
std::vector<HWND> dialogWindows;
bool quitRequested = false;

void PumpPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitRequested = true;
            continue;
        }
        bool handled = false;
        for (HWND window : dialogWindows)
            if (IsWindow(window) && (message.hwnd == window || IsChild(window, message.hwnd)))
                handled = IsDialogMessageW(window, &message);
        if (handled) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
}  // namespace

bool TakeQuitRequest() { return std::exchange(quitRequested, false); }

void SetDialogWindows(std::vector<HWND> windows) { dialogWindows = std::move(windows); }

void PumpFor(int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    do {
        PumpPending();
        Sleep(5);
    } while (GetTickCount64() < end);
    PumpPending();
}

bool PumpUntil(const std::function<bool()>& done, int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (;;) {
        PumpPending();
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(5);
    }
}

void ClickAt(POINT screen) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = static_cast<LONG>((screen.x * 65535 + width / 2) / (width - 1));
        input.mi.dy = static_cast<LONG>((screen.y * 65535 + height / 2) / (height - 1));
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, inputs, sizeof(INPUT));
}

void PressKey(WORD virtualKey, WORD modifier) {
    std::vector<INPUT> inputs;
    const auto key = [&](WORD code, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(code, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (modifier) key(modifier, false);
    key(virtualKey, false);
    key(virtualKey, true);
    if (modifier) key(modifier, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

POINT CentreOf(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

RECT ChildRectOf(HWND child) {
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

int CountVisibleWindows(const wchar_t* className) {
    struct Search {
        const wchar_t* className;
        int count;
    } search{className, 0};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            wchar_t name[64]{};
            GetClassNameW(window, name, 64);
            if (IsWindowVisible(window) && lstrcmpW(name, search->className) == 0) ++search->count;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.count;
}

bool Activate(HWND window) {
    SetForegroundWindow(window);
    return PumpUntil([&] { return GetForegroundWindow() == window; }, 2000);
}

}  // namespace vantrel::test
