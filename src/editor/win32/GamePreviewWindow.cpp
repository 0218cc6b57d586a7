#include "editor/win32/GamePreviewWindow.h"

#include <algorithm>
#include <string>

#include "editor/MappingEditor.h"
#include "platform/WideText.h"
#include "ui/WindowDescriptions.h"

namespace vantrel::win32 {

namespace {

const WindowClass kGamePreviewClass{L"VantrelGamePreview", nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                    false};
// A small tool window of fixed size with a close control only.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

// Child window identifiers, by the controls' places in the description.
constexpr int kGamePreviewControlIdBase = 401;

// A label's text with its line breaks as the system's static control takes them.
std::wstring LabelText(const std::string& utf8) {
    std::wstring text;
    for (const wchar_t c : Utf8ToWide(utf8)) {
        if (c == L'\n') text += L'\r';
        text += c;
    }
    return text;
}

}  // namespace

GamePreviewWindow::GamePreviewWindow(const MappingEditor& editor, HWND owner) : editor_(editor) {
    const ui::WindowDescription& description = ui::GamePreviewDescription();
    const int dpi = WindowDpi(owner);
    const ui::PixelRect client = ui::ToPixels(description.client, dpi);
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    create(kGamePreviewClass, kExStyle, Utf8ToWide(description.caption), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
           outer.right - outer.left, outer.bottom - outer.top, owner);
    font_ = Font(ui::kDialogFont, dpi);
    for (const ui::ControlDescription& control : description.controls) {
        const int id = kGamePreviewControlIdBase + static_cast<int>(&control - description.controls.data());
        if (control.kind == ui::ControlKind::Picture) {
            (std::string_view(control.name) == "picActual" ? actualPlace_ : doublePlace_) =
                ToRect(ui::ToPixels(control.place, dpi));
            continue;
        }
        HWND label = CreateControl(hwnd(), control, id, font_.get(), dpi);
        if (std::string_view(control.name) == "lblSize") lblSize_ = label;
        if (std::string_view(control.name) == "lblNote") lblNote_ = label;
    }
    PlaceBeside(hwnd(), owner, Side::Left);
    refresh();
}

GamePreviewWindow::~GamePreviewWindow() { destroy(); }

void GamePreviewWindow::show() { ShowWindow(hwnd(), SW_SHOWNOACTIVATE); }

void GamePreviewWindow::refresh() {
    shown_ = preview_.update(editor_);
    SetWindowTextW(lblSize_, LabelText(shown_.sizeText).c_str());
    SetWindowTextW(lblNote_, LabelText(shown_.message()).c_str());
    InvalidateRect(hwnd(), &actualPlace_, TRUE);
    InvalidateRect(hwnd(), &doublePlace_, TRUE);
}

void GamePreviewWindow::paint(HDC dc) {
    if (shown_.empty()) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shown_.width;
    info.bmiHeader.biHeight = -shown_.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    // Each square shows the picture from its top-left corner, clipped to the square.
    for (const int scale : {1, 2}) {
        const RECT& place = scale == 1 ? actualPlace_ : doublePlace_;
        const int width = std::min(shown_.width, static_cast<int>(place.right - place.left) / scale);
        const int height = std::min(shown_.height, static_cast<int>(place.bottom - place.top) / scale);
        // Nearest neighbour: at a whole scale every picture pixel becomes a square of screen pixels.
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchDIBits(dc, place.left, place.top, width * scale, height * scale, 0, 0, width, height,
                      shown_.shownPixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    }
}

LRESULT GamePreviewWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd(), &ps);
            paint(dc);
            EndPaint(hwnd(), &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_CLOSE:
            // Kept for the next Ctrl+G.
            ShowWindow(hwnd(), SW_HIDE);
            return 0;
    }
    return defaultHandling(message, wParam, lParam);
}

}  // namespace vantrel::win32
