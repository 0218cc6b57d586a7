#include "editor/win32/frmDelete.h"

#include "editor/win32/MenuCommands.h"
#include "editor/win32/MessageLoop.h"
#include "editor/win32/Twips.h"
#include "platform/WideText.h"

namespace vantrel {

namespace {

using namespace win32;

constexpr wchar_t kDeleteDialogClass[] = L"VantrelDeleteDialog";
// Sizable, with neither maximize nor minimize button; a tool window carries no icon and stays
// out of the taskbar.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;

void RegisterDialogClass(WNDPROC proc) {
    static bool registered = false;
    if (registered) return;
    registered = true;
    WNDCLASSEXW dialog{};
    dialog.cbSize = sizeof dialog;
    dialog.lpfnWndProc = proc;
    dialog.hInstance = GetModuleHandleW(nullptr);
    dialog.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    dialog.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    dialog.lpszClassName = kDeleteDialogClass;
    RegisterClassExW(&dialog);
}

// Lines the dropped list shows before it scrolls.
constexpr int kVisibleListLines = 8;

}  // namespace

frmDelete::frmDelete(MappingEditor& mainWindow) : logic_(mainWindow) {
    RegisterDialogClass(&frmDelete::WindowProc);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RECT outer{0, 0, Px(3480), Px(810)};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    hwnd_ = CreateWindowExW(kExStyle, kDeleteDialogClass, L"Delete Entry", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance, this);
    font_ = CreateEightPointFont();

    // Creation order is the tab order: the list, then the button.
    const int fieldHeight = Px(315);
    cmbDelete = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                0, 0, Px(3495), fieldHeight * (kVisibleListLines + 1), hwnd_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(cmbDeleteId)), instance, nullptr);
    SendMessageW(cmbDelete, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    // The closed list is as high as designed: the selection field plus its edges, whatever the
    // edges of this system's combo box measure.
    auto requested = static_cast<int>(SendMessageW(cmbDelete, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT closed;
        GetWindowRect(cmbDelete, &closed);
        const int difference = (closed.bottom - closed.top) - fieldHeight;
        if (difference == 0 || requested <= difference) break;
        requested -= difference;
        SendMessageW(cmbDelete, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), requested);
    }

    cmdDelete = CreateWindowExW(0, L"BUTTON", L"Delete Selected", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                Px(1080), Px(360), Px(1335), Px(375), hwnd_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(cmdDeleteId)), instance, nullptr);
    SendMessageW(cmdDelete, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    RegisterModelessWindow(hwnd_);

    // Load: the list is filled once, here; entries completed while the dialog is open show up the
    // next time it is opened.
    SendMessageW(cmbDelete, CB_RESETCONTENT, 0, 0);
    for (const auto& line : logic_.Load())
        SendMessageW(cmbDelete, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(line).c_str()));
    SendMessageW(cmbDelete, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

frmDelete::~frmDelete() {
    // Ending the program does not unload the dialog: nothing is deleted on the way out.
    if (hwnd_) {
        UnregisterModelessWindow(hwnd_);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    if (font_) DeleteObject(font_);
}

void frmDelete::show() {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    BringWindowToTop(hwnd_);
}

LRESULT CALLBACK frmDelete::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<frmDelete*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (auto* self = reinterpret_cast<frmDelete*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
        return self->handle(message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT frmDelete::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == cmdDeleteId && HIWORD(wParam) == BN_CLICKED) cmdDelete_Click();
            return 0;
        case WM_ACTIVATE:
            // The control that had the focus gets it back; the list the first time.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd_, focus)) focused_ = focus;
            } else {
                SetFocus(focused_ ? focused_ : cmbDelete);
            }
            return 0;
        case WM_CLOSE:
            close();
            return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void frmDelete::cmdDelete_Click() {
    const auto selected = SendMessageW(cmbDelete, CB_GETCURSEL, 0, 0);
    logic_.DeleteSelected(selected == CB_ERR ? -1 : static_cast<int>(selected));
    close();
}

void frmDelete::close() {
    logic_.Unload();
    HWND window = hwnd_;
    UnregisterModelessWindow(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    cmbDelete = nullptr;
    cmdDelete = nullptr;
    focused_ = nullptr;
    DestroyWindow(window);
}

}  // namespace vantrel
