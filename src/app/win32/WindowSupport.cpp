#include "app/win32/WindowSupport.h"

#include <algorithm>
#include <vector>

#include "platform/WideText.h"


namespace vantrel::win32 {

namespace {
// The face the windows are laid out for when the description names none.
constexpr const wchar_t* kDialogFace = L"MS Shell Dlg 2";
}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (window && getDpiForWindow)
        if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : ui::kStandardDpi;
}

RECT ToRect(const ui::PixelRect& pixels) {
    return RECT{pixels.left, pixels.top, pixels.left + pixels.width, pixels.top + pixels.height};
}

Font::Font(const ui::FontDescription& description, int dpi)
    : Font(description.face ? Utf8ToWide(description.face).c_str() : kDialogFace, description.points,
           description.bold, dpi) {}

Font::Font(const wchar_t* face, double points, bool bold, int dpi) {
    LOGFONTW logical{};
    logical.lfHeight = -ui::PointsToPixels(points, dpi);
    logical.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    logical.lfCharSet = DEFAULT_CHARSET;
    logical.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(logical.lfFaceName, face, LF_FACESIZE);
    font_ = CreateFontIndirectW(&logical);
}

Font::~Font() {
    if (font_) DeleteObject(font_);
}

const wchar_t* ControlClassName(ui::ControlKind kind) {
    switch (kind) {
        case ui::ControlKind::Label:
        case ui::ControlKind::Picture:
        case ui::ControlKind::Image:
            return L"STATIC";
        case ui::ControlKind::TextBox:
            return L"EDIT";
        case ui::ControlKind::ComboBox:
            return L"COMBOBOX";
        case ui::ControlKind::Button:
            return L"BUTTON";
        default:
            return nullptr;
    }
}

HWND CreateControl(HWND parent, const ui::ControlDescription& control, int id, HFONT font, int dpi, DWORD style,
                   DWORD exStyle, const wchar_t* className) {
    const RECT place = ToRect(ui::ToPixels(control.place, dpi));
    HWND child = CreateWindowExW(exStyle, className ? className : ControlClassName(control.kind),
                                 Utf8ToWide(control.text).c_str(), WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                 place.right - place.left, place.bottom - place.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
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

SIZE TextExtent(HWND window, HFONT font, const std::wstring& text) {
    SIZE extent{};
    if (!font) font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
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
