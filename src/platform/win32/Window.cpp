#include "platform/win32/Window.h"

#include <algorithm>
#include <set>
#include <vector>

#include "platform/WideText.h"

namespace vantrel::win32 {

namespace {

// GetDpiForWindow came with Windows 10 (1607); on older systems the display's resolution is
// every window's.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

GetDpiForWindowFunction DpiForWindow() {
    static const auto function = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return function;
}

int DisplayDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : ui::kStandardDpi;
}

void RegisterOnce(const WindowClass& windowClass, WNDPROC procedure) {
    static std::set<std::wstring> registered;
    if (!registered.insert(windowClass.name).second) return;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = procedure;
    description.hInstance = instance;
    description.hCursor = windowClass.cursor ? windowClass.cursor : LoadCursorW(nullptr, IDC_ARROW);
    description.hbrBackground = windowClass.background;
    description.lpszClassName = windowClass.name;
    if (windowClass.applicationIcon) {
        // Resource 1: the application icon. A program built without it gets the default one.
        description.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        description.hIconSm =
            static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), 0));
    }
    RegisterClassExW(&description);
}

HFONT MakeFont(const wchar_t* face, double points, bool bold, int dpi, BYTE quality, BYTE family = 0) {
    LOGFONTW logical{};
    logical.lfHeight = -ui::PointsToPixels(points, dpi);
    logical.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    logical.lfCharSet = DEFAULT_CHARSET;
    logical.lfQuality = quality;
    logical.lfPitchAndFamily = family;
    lstrcpynW(logical.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&logical);
}

}  // namespace

Window::~Window() { destroy(); }

void Window::destroy() {
    if (hwnd_) {
        // The object goes first: the messages of the window's destruction find no object.
        HWND window = hwnd_;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        DestroyWindow(window);
    }
}

int Window::dpi() const { return WindowDpi(hwnd_); }

HWND Window::create(const WindowClass& windowClass, DWORD exStyle, const std::wstring& caption, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menu) {
    RegisterOnce(windowClass, &Window::Procedure);
    return CreateWindowExW(exStyle, windowClass.name, caption.c_str(), style, x, y, width, height, parent, menu,
                           GetModuleHandleW(nullptr), this);
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Window::defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const LRESULT result = self->handleMessage(message, wParam, lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->onDestroyed();
        return result;
    }
    return self->handleMessage(message, wParam, lParam);
}

int WindowDpi(HWND window) {
    if (window)
        if (const auto function = DpiForWindow())
            if (const UINT dpi = function(window)) return static_cast<int>(dpi);
    return DisplayDpi();
}

Font::Font(const ui::FontDescription& description, int dpi)
    : font_(description.face ? MakeFont(Utf8ToWide(description.face).c_str(), description.points, description.bold,
                                        dpi, CLEARTYPE_QUALITY)
                             : MakeFont(kDialogFace, description.points, description.bold, dpi, DEFAULT_QUALITY,
                                        DEFAULT_PITCH | FF_SWISS)) {}

Font::Font(const wchar_t* face, double points, bool bold, int dpi)
    : font_(MakeFont(face, points, bold, dpi, CLEARTYPE_QUALITY)) {}

Font::~Font() {
    if (font_) DeleteObject(font_);
}

Font& Font::operator=(Font&& other) noexcept {
    if (this != &other) {
        if (font_) DeleteObject(font_);
        font_ = other.font_;
        other.font_ = nullptr;
    }
    return *this;
}

const wchar_t* ControlClassName(ui::ControlKind kind) {
    switch (kind) {
        case ui::ControlKind::Label:
            return L"STATIC";
        case ui::ControlKind::TextBox:
            return L"EDIT";
        case ui::ControlKind::ComboBox:
            return L"COMBOBOX";
        case ui::ControlKind::Button:
            return L"BUTTON";
        case ui::ControlKind::ListBox:
            return L"LISTBOX";
        default:
            return nullptr;
    }
}

namespace {
DWORD KindStyle(ui::ControlKind kind) {
    switch (kind) {
        case ui::ControlKind::Label:
            return SS_LEFT | SS_NOPREFIX;
        case ui::ControlKind::TextBox:
            return WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
        case ui::ControlKind::ComboBox:
            return WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
        case ui::ControlKind::Button:
            return WS_TABSTOP | BS_PUSHBUTTON;
        case ui::ControlKind::ListBox:
            // Exactly the described height: no rounding down to whole rows.
            return WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
        default:
            return 0;
    }
}
}  // namespace

RECT ToRect(const ui::PixelRect& pixels) {
    return RECT{pixels.left, pixels.top, pixels.left + pixels.width, pixels.top + pixels.height};
}

HWND CreateControl(HWND parent, const ui::ControlDescription& control, int id, HFONT font, int dpi, DWORD style,
                   DWORD exStyle, const wchar_t* className) {
    const wchar_t* windowClass = className ? className : ControlClassName(control.kind);
    if (!windowClass) return nullptr;
    if (control.kind == ui::ControlKind::TextBox || control.kind == ui::ControlKind::ListBox)
        exStyle |= WS_EX_CLIENTEDGE;
    const ui::PixelRect place = ui::ToPixels(control.place, dpi);
    HWND child = CreateWindowExW(exStyle, windowClass, Utf8ToWide(control.text).c_str(),
                                 WS_CHILD | WS_VISIBLE | KindStyle(control.kind) | style, place.left, place.top,
                                 place.width, place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    if (child && font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

HWND CreateChild(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style, const RECT& pixels,
                 int id, HFONT font) {
    HWND child = CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, pixels.left, pixels.top,
                                 pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
    if (child && font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right - client.left, client.bottom - client.top};
}

RECT ChildRect(HWND child) {
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

std::wstring WindowText(HWND window) {
    std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1);
    const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return std::wstring(text.data(), static_cast<std::size_t>(length));
}

std::string WindowTextUtf8(HWND window) { return WideToUtf8(WindowText(window)); }

void SetWindowTextUtf8(HWND window, const std::string& text) { SetWindowTextW(window, Utf8ToWide(text).c_str()); }

namespace {
HGDIOBJ FontFor(HWND window, HFONT font) {
    if (font) return font;
    if (auto own = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0))) return own;
    return GetStockObject(DEFAULT_GUI_FONT);
}
}  // namespace

SIZE TextExtent(HWND window, HFONT font, const std::wstring& text) {
    SIZE extent{};
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, FontFor(window, font));
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return extent;
}

std::wstring BreakLinesAtSpaces(HWND window, HFONT font, const std::wstring& text, int width) {
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    const auto widthOf = [dc](const std::wstring& line) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
        return static_cast<int>(extent.cx);
    };
    std::wstring result;
    std::wstring line;  // the current line, with the spaces that end it so far
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t wordEnd = std::min(text.find(L' ', position), text.size());
        const std::wstring word = text.substr(position, wordEnd - position);
        const bool lineHasWord = line.find_first_not_of(L' ') != std::wstring::npos;
        if (lineHasWord && widthOf(line + word) > width) {
            result += line + L"\r\n";
            line.clear();
        }
        line += word;
        position = wordEnd;
        while (position < text.size() && text[position] == L' ') line += text[position++];
    }
    result += line;
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return result;
}

void PlaceStartPosition(HWND window, HWND over) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(over ? over : window, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT area = monitor.rcWork;
    RECT place;
    GetWindowRect(window, &place);
    if (place.left != area.left || place.top != area.top) return;  // the system chose a place
    RECT centre = area;
    if (over && IsWindowVisible(over)) GetWindowRect(over, &centre);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    int x = (centre.left + centre.right - width) / 2;
    int y = (centre.top + centre.bottom - height) / 2;
    x = std::max<int>(area.left, std::min<int>(x, area.right - width));
    y = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceBeside(HWND window, HWND owner, Side first) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!owner || !GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT area = monitor.rcWork;
    RECT beside, place;
    GetWindowRect(owner, &beside);
    GetWindowRect(window, &place);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    const int right = beside.right;
    const int left = beside.left - width;
    const bool rightFits = right + width <= area.right;
    const bool leftFits = left >= area.left;
    int x;
    if (first == Side::Right)
        x = rightFits || !leftFits ? right : left;
    else
        x = leftFits || !rightFits ? left : right;
    x = std::max<int>(area.left, std::min<int>(x, area.right - width));
    const int y = std::max<int>(area.top, std::min<int>(beside.top, area.bottom - height));
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND TaskbarlessOwner() {
    static HWND owner = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VantrelTaskbarlessOwner";
        RegisterClassExW(&windowClass);
        return CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               windowClass.hInstance, nullptr);
    }();
    return owner;
}

HICON LoadApplicationIcon(int size) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace vantrel::win32
