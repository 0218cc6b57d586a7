#include "editor/win32/frmDelete.h"

#include "editor/win32/ControlIds.h"
#include "editor/win32/MessageLoop.h"
#include "platform/WideText.h"
#include "ui/WindowDescriptions.h"

namespace vantrel::win32 {

namespace {

const WindowClass kDeleteDialogClass{L"VantrelDeleteDialog", nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                     false};
// Sizable, with neither maximize nor minimize button and without the system menu's icon.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// Lines the dropped list shows before it scrolls.
constexpr int kVisibleListLines = 8;

int ControlId(const ui::ControlDescription& control) {
    const ui::WindowDescription& description = ui::DeleteDialogDescription();
    return kDeleteDialogControlIdBase + static_cast<int>(&control - description.controls.data());
}

}  // namespace

frmDelete::frmDelete(MappingEditor& editor, HWND over) : logic_(editor) {
    const ui::WindowDescription& description = ui::DeleteDialogDescription();
    const int dpi = WindowDpi(nullptr);
    const ui::PixelRect client = ui::ToPixels(description.client, dpi);
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    // The system places the dialog.
    create(kDeleteDialogClass, kExStyle, Utf8ToWide(description.caption), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
           outer.right - outer.left, outer.bottom - outer.top, TaskbarlessOwner());
    font_ = Font(ui::kDialogFont, dpi);

    // Created in tab order: the list, then the button.
    const ui::ControlDescription& list = description.control("cmbDelete");
    const ui::ControlDescription& button = description.control("cmdDelete");
    // A combo box's height is its dropped list's; the closed list is sized below.
    ui::ControlDescription dropped = list;
    dropped.place.height = list.place.height * (kVisibleListLines + 1);
    cmbDelete_ = CreateControl(hwnd(), dropped, ControlId(list), font_.get(), dpi);
    // The closed list is as high as designed: the selection field plus its edges, whatever the
    // edges of this system's combo box measure.
    const int fieldHeight = ui::ToPixels(list.place, dpi).height;
    auto requested = static_cast<int>(SendMessageW(cmbDelete_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT closed;
        GetWindowRect(cmbDelete_, &closed);
        const int difference = (closed.bottom - closed.top) - fieldHeight;
        if (difference == 0 || requested <= difference) break;
        requested -= difference;
        SendMessageW(cmbDelete_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), requested);
    }
    cmdDelete_ = CreateControl(hwnd(), button, ControlId(button), font_.get(), dpi);
    RegisterModelessWindow(hwnd());
    PlaceStartPosition(hwnd(), over);

    // Load: the list is filled once, here; entries completed while the dialog is open show up the
    // next time it is opened.
    SendMessageW(cmbDelete_, CB_RESETCONTENT, 0, 0);
    for (const auto& line : logic_.Load())
        SendMessageW(cmbDelete_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(line).c_str()));
    SendMessageW(cmbDelete_, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

frmDelete::~frmDelete() {
    // Ending the program does not unload the dialog: nothing is deleted on the way out.
    UnregisterModelessWindow(hwnd());
    destroy();
}

void frmDelete::show() {
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(hwnd());
    BringWindowToTop(hwnd());
}

LRESULT frmDelete::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == cmdDelete_ && HIWORD(wParam) == BN_CLICKED) cmdDelete_Click();
            return 0;
        case WM_ACTIVATE:
            // The control that had the focus gets it back; the list the first time.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd(), focus)) focused_ = focus;
            } else {
                SetFocus(focused_ ? focused_ : cmbDelete_);
            }
            return 0;
        case WM_CLOSE:
            close();
            return 0;
    }
    return defaultHandling(message, wParam, lParam);
}

void frmDelete::cmdDelete_Click() {
    const auto selected = SendMessageW(cmbDelete_, CB_GETCURSEL, 0, 0);
    logic_.DeleteSelected(selected == CB_ERR ? -1 : static_cast<int>(selected));
    close();
}

void frmDelete::close() {
    logic_.Unload();
    UnregisterModelessWindow(hwnd());
    cmbDelete_ = nullptr;
    cmdDelete_ = nullptr;
    focused_ = nullptr;
    destroy();
}

}  // namespace vantrel::win32
