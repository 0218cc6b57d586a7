#include "app/win32/frmAbout.h"

#include <utility>

#include "ui/AppIdentity.h"
#include "platform/WideText.h"

namespace vantrel::win32 {

namespace {

// No icon: the caption shows none.
const WindowClass kAboutClass{L"VantrelAbout", nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
// A fixed dialog border with a caption and a close box, no minimize or maximize button.
constexpr DWORD kAboutStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// The modal frame is what keeps the icon out of the caption (the class has none either).
constexpr DWORD kAboutExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

const ui::WindowDescription& Description() { return ui::AboutDescription(); }

}  // namespace

frmAbout::frmAbout(UserInteraction& ui, LauncherFactory makeLauncher)
    : dpi_(WindowDpi(nullptr)),
      labelFont_(Description().control("lblVersion").font, dpi_),
      titleFont_(Description().control("lblTitle").font, dpi_),
      ui_(ui) {
    // Its own stored place: the client area's top-left corner on the screen, scaled with the
    // display as the rest of the dialog is.
    RECT outer = ToRect(ui::ToPixels(Description().client, dpi_));
    AdjustWindowRectEx(&outer, kAboutStyle, FALSE, kAboutExStyle);
    window_ = create(kAboutClass, kAboutExStyle, Utf8ToWide(Description().caption), kAboutStyle, outer.left, outer.top,
                     outer.right - outer.left, outer.bottom - outer.top, TaskbarlessOwner());
    if (!window_) return;

    CreateControls();
    launcher_ = makeLauncher(ui_);
    Load();

    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(hwnd());
    SetFocus(cmdOK);
}

frmAbout::~frmAbout() {
    // Closed while the object is whole, so that onClosed is told.
    if (hwnd()) DestroyWindow(hwnd());
}

void frmAbout::CreateControls() {
    const ui::WindowDescription& about = Description();
    // Created in tab order: OK, the icon, System Info; the labels take no focus.
    cmdOK = CreateControl(hwnd(), about.control("cmdOK"), IDOK, labelFont_.get(), dpi_, WS_TABSTOP | BS_DEFPUSHBUTTON);

    picIcon = CreateControl(hwnd(), about.control("picIcon"), 0, nullptr, dpi_, SS_ICON, 0, L"STATIC");
    // The picture box sizes itself to its picture: the 32 x 32 icon, grown with the display.
    const int iconSize = MulDiv(32, dpi_, ui::kStandardDpi);
    if (HICON icon = LoadApplicationIcon(iconSize))
        SendMessageW(picIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    SetWindowPos(picIcon, nullptr, 0, 0, iconSize, iconSize, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    cmdSysInfo = CreateControl(hwnd(), about.control("cmdSysInfo"), kIdSysInfo, labelFont_.get(), dpi_,
                               WS_TABSTOP | BS_PUSHBUTTON);

    lblDescription = CreateControl(hwnd(), about.control("lblDescription"), 0, labelFont_.get(), dpi_);
    // Broken into lines here, at spaces only, so that the support site's address stays whole.
    SetWindowTextW(lblDescription, BreakLinesAtSpaces(lblDescription, labelFont_.get(),
                                                      Utf8ToWide(ui::texts::AboutDescription()),
                                                      ClientSize(lblDescription).cx)
                                       .c_str());
    lblDisclaimer = CreateControl(hwnd(), about.control("lblDisclaimer"), 0, labelFont_.get(), dpi_);
    lblTitle = CreateControl(hwnd(), about.control("lblTitle"), 0, titleFont_.get(), dpi_);
    lblVersion = CreateControl(hwnd(), about.control("lblVersion"), 0, labelFont_.get(), dpi_);
}

void frmAbout::Load() {
    SetWindowTextW(hwnd(), Utf8ToWide(ui::texts::AboutCaption()).c_str());
    SetWindowTextW(lblVersion, Utf8ToWide(VersionLine()).c_str());
    SetWindowTextW(lblTitle, Utf8ToWide(kApplicationTitle).c_str());
}

void frmAbout::StartSysInfo() {
    if (launcher_) launcher_->StartSysInfo();
}

void frmAbout::cmdOK_Click() { DestroyWindow(hwnd()); }

// Line1(1), a grey hairline, and Line1(0), a white line two pixels wide under it: an etched
// separator across the dialog above the buttons. Each is its place filled in its colour.
void frmAbout::PaintSeparator(HDC dc) const {
    for (const ui::ControlDescription& control : Description().controls) {
        if (control.kind != ui::ControlKind::Line) continue;
        const RECT line = ToRect(ui::ToPixels(control.place, dpi_));
        SetBkColor(dc, RGB((control.colour >> 16) & 0xFF, (control.colour >> 8) & 0xFF, control.colour & 0xFF));
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
    }
}

LRESULT frmAbout::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
            // Black text where the label asks for it (the title, description and disclaimer), the
            // desktop's text colour elsewhere (the version).
            bool black = false;
            for (const auto& [control, name] : {std::pair{lblTitle, "lblTitle"}, std::pair{lblVersion, "lblVersion"},
                                                std::pair{lblDescription, "lblDescription"},
                                                std::pair{lblDisclaimer, "lblDisclaimer"}})
                if (label == control) black = Description().control(name).colour == ui::kBlackText;
            SetTextColor(dc, black ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNTEXT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd(), &paint);
            PaintSeparator(dc);
            EndPaint(hwnd(), &paint);
            return 0;
        }
        case WM_ACTIVATE:
            // Give the focus back to OK when the dialog comes forward again.
            if (LOWORD(wParam) != WA_INACTIVE && !IsChild(hwnd(), GetFocus())) SetFocus(cmdOK);
            return 0;
        default:
            break;
    }
    return defaultHandling(message, wParam, lParam);
}

void frmAbout::onDestroyed() {
    picIcon = lblTitle = lblVersion = lblDescription = lblDisclaimer = nullptr;
    cmdOK = cmdSysInfo = nullptr;
    if (onClosed) onClosed(window_);
}

}  // namespace vantrel::win32
