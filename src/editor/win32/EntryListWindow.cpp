#include "editor/win32/EntryListWindow.h"

#include <algorithm>

#include "editor/win32/ControlIds.h"
#include "editor/win32/MessageLoop.h"
#include "platform/WideText.h"
#include "ui/WindowDescriptions.h"

namespace vantrel::win32 {

namespace {

const WindowClass kEntryListClass{L"VantrelEntryList", nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), false};
// A sizable tool window: a small caption, no taskbar button, above its owner.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;

}  // namespace

EntryListWindow::EntryListWindow(MappingEditor& editor, HWND owner) : editor_(editor) {
    const ui::WindowDescription& description = ui::EntryListDescription();
    const int dpi = WindowDpi(nullptr);
    const ui::PixelRect client = ui::ToPixels(description.client, dpi);
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    create(kEntryListClass, kExStyle, Utf8ToWide(description.caption), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
           outer.right - outer.left, outer.bottom - outer.top, owner);
    font_ = Font(ui::kDialogFont, dpi);
    const ui::ControlDescription& list = description.control("lstEntries");
    lstEntries_ = CreateControl(hwnd(), list, kEntryListControlId, font_.get(), dpi);
    RegisterModelessWindow(hwnd());
    PlaceBeside(hwnd(), owner, Side::Right);
    refresh();
}

EntryListWindow::~EntryListWindow() {
    UnregisterModelessWindow(hwnd());
    destroy();
}

void EntryListWindow::show() {
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(hwnd());
    BringWindowToTop(hwnd());
    SetFocus(lstEntries_);
}

void EntryListWindow::refresh() {
    if (!lstEntries_) return;
    const std::vector<std::string>& names = editor_.colNames();
    if (names != shown_) {
        shown_ = names;
        SendMessageW(lstEntries_, WM_SETREDRAW, FALSE, 0);
        SendMessageW(lstEntries_, LB_RESETCONTENT, 0, 0);
        SendMessageW(lstEntries_, LB_INITSTORAGE, shown_.size(), 0);
        for (const std::string& name : shown_)
            SendMessageW(lstEntries_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(name).c_str()));
        SendMessageW(lstEntries_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(lstEntries_, nullptr, TRUE);
    }
    // Row k lists entry k + 1; no row is highlighted without a selection.
    const int selected = editor_.selectedEntry() - 1;
    if (SendMessageW(lstEntries_, LB_GETCURSEL, 0, 0) != selected)
        SendMessageW(lstEntries_, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void EntryListWindow::layout() {
    // The list keeps the described margin on every side as the window is sized.
    const ui::ControlDescription& list = ui::EntryListDescription().control("lstEntries");
    const ui::PixelRect margin = ui::ToPixels(ui::TwipsRect{0, 0, list.place.left, list.place.top}, dpi());
    const SIZE client = ClientSize(hwnd());
    SetWindowPos(lstEntries_, nullptr, margin.width, margin.height,
                 std::max(0, static_cast<int>(client.cx) - 2 * margin.width),
                 std::max(0, static_cast<int>(client.cy) - 2 * margin.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT EntryListWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == lstEntries_ && HIWORD(wParam) == LBN_SELCHANGE) {
                const auto row = SendMessageW(lstEntries_, LB_GETCURSEL, 0, 0);
                if (row != LB_ERR) editor_.SelectEntry(static_cast<int>(row) + 1);
            }
            return 0;
        case WM_SIZE:
            if (lstEntries_ && wParam != SIZE_MINIMIZED) layout();
            return 0;
        case WM_CLOSE:
            ShowWindow(hwnd(), SW_HIDE);
            return 0;
    }
    return defaultHandling(message, wParam, lParam);
}

}  // namespace vantrel::win32
