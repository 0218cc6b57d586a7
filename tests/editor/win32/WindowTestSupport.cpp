#include "WindowTestSupport.h"

#include "editor/win32/MessageLoop.h"
#include "platform/win32/Window.h"

namespace vantrel::test {

using win32::PumpPendingMessages;

bool NoDisplayForWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const bool wine = ntdll && GetProcAddress(ntdll, "wine_get_version");
    return wine && GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0;
}

namespace {
// The program declares itself aware of each monitor's DPI in its manifest; the tests run the
// windows the same way, so that on a scaled display they see the real resolution rather than
// the system's stretched 96.
[[maybe_unused]] const bool g_dpiAware = [] {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (auto set = reinterpret_cast<SetContext>(
            reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDpiAwarenessContext"))))
        if (set(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4))))  // per monitor, version 2
            return true;
    return SetProcessDPIAware() != FALSE;
}();
}  // namespace

int TestDpi() { return win32::WindowDpi(nullptr); }

void PumpFor(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        PumpPendingMessages();
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
    PumpPendingMessages();
}

bool PumpUntil(const std::function<bool()>& done, int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    while (!done()) {
        if (static_cast<int>(end - GetTickCount()) <= 0) return done();
        PumpPendingMessages();
        Sleep(5);
    }
    return true;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT RectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    if (HWND parent = GetAncestor(window, GA_PARENT); parent && parent != GetDesktopWindow())
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

SIZE TextExtent(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

HWND PressAt(HWND topLevel, POINT client, UINT buttonMessage, WPARAM buttonData) {
    POINT screen = client;
    ClientToScreen(topLevel, &screen);
    HWND target = WindowFromPoint(screen);
    POINT local = screen;
    ScreenToClient(target, &local);
    SendMessageW(target, buttonMessage, buttonData, MAKELPARAM(local.x, local.y));
    return target;
}

void PressKey(HWND target, UINT virtualKey, bool control, bool shift) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = keys[VK_LSHIFT] = shift ? 0x80 : 0;
    keys[VK_RSHIFT] = 0;
    SetKeyboardState(keys);
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, virtualKey, 1 | (static_cast<LPARAM>(scan) << 16));
    PostMessageW(target, WM_KEYUP, virtualKey, 1 | (static_cast<LPARAM>(scan) << 16) | (3LL << 30));
    PumpFor(30);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = 0;
    keys[VK_SHIFT] = keys[VK_LSHIFT] = 0;
    SetKeyboardState(keys);
}

namespace {

struct PendingAnswer {
    std::wstring title;
    std::function<void(HWND)> act;
    HWND dialog = nullptr;
    DWORD actedAt = 0;
    DWORD startedAt = 0;
    bool answered = false;
    bool cancelled = false;
    UINT_PTR timer = 0;
} g_answer;

HWND FindThreadDialog(const std::wstring& title) {
    struct Search {
        const std::wstring* title;
        HWND found;
    } search{&title, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            // The system's dialogs, and the program's own input box.
            const std::wstring kind = className;
            if (IsWindowVisible(window) && (kind == L"#32770" || kind == L"VantrelInputBox") &&
                (s->title->empty() || TextOf(window) == *s->title)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_answer.answered) {
        HWND dialog = FindThreadDialog(g_answer.title);
        if (dialog) {
            g_answer.answered = true;
            g_answer.dialog = dialog;
            g_answer.actedAt = GetTickCount();
            auto act = std::move(g_answer.act);
            act(dialog);
        } else if (GetTickCount() - g_answer.startedAt > 15000) {
            KillTimer(nullptr, g_answer.timer);  // never came
        }
        return;
    }
    if (!IsWindow(g_answer.dialog) || !IsWindowVisible(g_answer.dialog)) {
        KillTimer(nullptr, g_answer.timer);
        return;
    }
    if (GetTickCount() - g_answer.actedAt > 3000) {
        g_answer.cancelled = true;
        PostMessageW(g_answer.dialog, WM_COMMAND, IDCANCEL, 0);
        PostMessageW(g_answer.dialog, WM_CLOSE, 0, 0);
    }
}

}  // namespace

void AnswerDialog(const std::wstring& title, std::function<void(HWND)> act) {
    if (g_answer.timer) KillTimer(nullptr, g_answer.timer);
    g_answer = PendingAnswer{};
    g_answer.title = title;
    g_answer.act = std::move(act);
    g_answer.startedAt = GetTickCount();
    g_answer.timer = SetTimer(nullptr, 0, 50, AnswerTimer);
}

bool DialogAnswered() { return g_answer.answered; }
bool DialogHadToBeCancelled() { return g_answer.cancelled; }

void ClickButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (button)
        PostMessageW(button, BM_CLICK, 0, 0);
    else
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

}  // namespace vantrel::test
