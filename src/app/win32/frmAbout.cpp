#include "app/win32/frmAbout.h"

#include "app/win32/Twips.h"
#include "ui/AppIdentity.h"
#include "platform/WideText.h"

namespace vantrel::win32 {

namespace {

constexpr const wchar_t* kAboutClass = L"VantrelAbout";
// A fixed dialog border with a caption and a close box, no minimize or maximize button.
constexpr DWORD kAboutStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// The modal frame is what keeps the icon out of the caption (the class has none either).
constexpr DWORD kAboutExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

constexpr const char* kDescription =
    "Vantrel v2.0 is a graphical cameo mapping tool for modifying Command and Conquer Generals and the Zero "
    "Hour expansion.  For instructions, visit ";

}  // namespace

const wchar_t* const frmAbout::kCopyrightNotice =
    L"Copyright (C) Kestwin. All rights reserved. Vantrel is not made or endorsed by the game's makers.";

frmAbout::frmAbout(UserInteraction& ui, LauncherFactory makeLauncher)
    : labelFont_(L"MS Shell Dlg 2", 8, false), titleFont_(L"MS Shell Dlg 2", 14, true), ui_(ui) {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &frmAbout::WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kAboutClass;
        // No icon: the caption shows none.
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;

    // Its own stored place: the client area's top-left corner at 2340, 1935 twips on the screen.
    RECT outer = TwipsRect(2340, 1935, 5730, 3555);
    AdjustWindowRectEx(&outer, kAboutStyle, FALSE, kAboutExStyle);
    hwnd_ = CreateWindowExW(kAboutExStyle, kAboutClass, L"", kAboutStyle, outer.left, outer.top,
                            outer.right - outer.left, outer.bottom - outer.top, TaskbarlessOwner(), nullptr,
                            GetModuleHandleW(nullptr), this);
    if (!hwnd_) return;

    CreateControls();
    launcher_ = makeLauncher(ui_);
    Load();

    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    SetFocus(cmdOK);
}

frmAbout::~frmAbout() {
    if (hwnd_) DestroyWindow(hwnd_);
}

std::wstring frmAbout::DescriptionText() { return Utf8ToWide(std::string(kDescription) + kSupportSiteAddress); }

void frmAbout::CreateControls() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    // Created in tab order: OK, the icon, System Info; the labels take no focus.
    cmdOK = CreateChild(hwnd_, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, TwipsRect(4245, 2625, 1260, 345),
                        IDOK, labelFont_.get());

    picIcon = CreateChild(hwnd_, L"STATIC", L"", SS_ICON, TwipsRect(240, 240, 540, 540), 0, nullptr);
    if (HICON icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, LR_SHARED)))
        SendMessageW(picIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    // The picture box sizes itself to its 32 x 32 picture.
    SetWindowPos(picIcon, nullptr, 0, 0, 32, 32, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    cmdSysInfo = CreateChild(hwnd_, L"BUTTON", L"&System Info...", WS_TABSTOP | BS_PUSHBUTTON,
                             TwipsRect(4260, 3075, 1245, 345), kIdSysInfo, labelFont_.get());

    const RECT descriptionPlace = TwipsRect(1050, 1125, 3885, 1170);
    lblDescription = CreateChild(hwnd_, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, descriptionPlace, 0, labelFont_.get());
    // Broken into lines here, at spaces only, so that the support site's address stays whole.
    SetWindowTextW(lblDescription, BreakLinesAtSpaces(lblDescription, labelFont_.get(), DescriptionText(),
                                                      descriptionPlace.right - descriptionPlace.left)
                                       .c_str());
    lblDisclaimer = CreateChild(hwnd_, L"STATIC", kCopyrightNotice, SS_LEFT | SS_NOPREFIX,
                                TwipsRect(255, 2625, 3870, 825), 0, labelFont_.get());
    lblTitle = CreateChild(hwnd_, L"STATIC", L"Application Title", SS_LEFT | SS_NOPREFIX,
                           TwipsRect(1050, 240, 3885, 480), 0, titleFont_.get());
    lblVersion = CreateChild(hwnd_, L"STATIC", L"Version", SS_LEFT | SS_NOPREFIX, TwipsRect(1050, 780, 3885, 225), 0,
                             labelFont_.get());
}

void frmAbout::Load() {
    const std::wstring title = Utf8ToWide(kApplicationTitle);
    SetWindowTextW(hwnd_, (L"About " + title).c_str());
    SetWindowTextW(lblVersion, Utf8ToWide(VersionLine()).c_str());
    SetWindowTextW(lblTitle, title.c_str());
}

void frmAbout::StartSysInfo() {
    if (launcher_) launcher_->StartSysInfo();
}

void frmAbout::cmdOK_Click() { DestroyWindow(hwnd_); }

// Line1(1), a grey hairline, and Line1(0), a white line two pixels wide under it: an etched
// separator across the dialog above the buttons.
void frmAbout::PaintSeparator(HDC dc) const {
    const int right = TwipsToPixels(5654);
    RECT grey{TwipsToPixels(90), TwipsToPixels(2445), right, TwipsToPixels(2445) + 1};
    SetBkColor(dc, RGB(0x80, 0x80, 0x80));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &grey, nullptr, 0, nullptr);
    RECT white{TwipsToPixels(105), TwipsToPixels(2460), right, TwipsToPixels(2460) + 2};
    SetBkColor(dc, RGB(0xFF, 0xFF, 0xFF));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &white, nullptr, 0, nullptr);
}

LRESULT frmAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                // Esc arrives as IDCANCEL: OK is the cancel button as well as the default one.
                case IDOK:
                case IDCANCEL:
                    cmdOK_Click();
                    return 0;
                case kIdSysInfo:
                    if (HIWORD(wParam) == BN_CLICKED) StartSysInfo();
                    return 0;
                default:
                    break;
            }
            break;
        case DM_GETDEFID:
            // Asked by IsDialogMessage: Enter presses OK wherever the focus is.
            return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            HWND label = reinterpret_cast<HWND>(lParam);
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            // The title, description and disclaimer in black; the version in the default colour.
            SetTextColor(dc, label == lblVersion ? GetSysColor(COLOR_BTNTEXT) : RGB(0, 0, 0));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd_, &paint);
            PaintSeparator(dc);
            EndPaint(hwnd_, &paint);
            return 0;
        }
        case WM_ACTIVATE:
            // Give the focus back to OK when the dialog comes forward again.
            if (LOWORD(wParam) != WA_INACTIVE && !IsChild(hwnd_, GetFocus())) SetFocus(cmdOK);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK frmAbout::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<frmAbout*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = window;
    }
    auto* self = reinterpret_cast<frmAbout*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->picIcon = self->lblTitle = self->lblVersion = self->lblDescription = self->lblDisclaimer = nullptr;
        self->cmdOK = self->cmdSysInfo = nullptr;
        if (self->onClosed) self->onClosed(window);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

}  // namespace vantrel::win32
