#include "app/win32/frmSplash.h"

#include <utility>

#include "app/win32/resource.h"
#include "platform/WideText.h"
#include "ui/AppIdentity.h"

namespace vantrel::win32 {

namespace {

const WindowClass kSplashClass{L"VantrelSplash", nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
const WindowClass kFrameClass{L"VantrelSplashFrame", nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
// A dialog frame and nothing else: no caption, no control box, no minimize or maximize button.
constexpr DWORD kSplashStyle = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
// No extended style: the hidden owner keeps it out of the taskbar. A tool window would as well,
// but X11 window managers under Wine take an unowned tool window for a normal window that skips
// the taskbar, and openbox gives such a window no focus when it maps: the first key would miss it.
constexpr DWORD kSplashExStyle = 0;

const ui::WindowDescription& Description() { return ui::SplashDescription(); }

}  // namespace

// Frame1: an etched box around everything; a press on it or on any control inside it counts as
// a press on the splash.
class frmSplash::Frame : public Window {
public:
    Frame(frmSplash& splash, const ui::ControlDescription& control) : splash_(splash) {
        const ui::PixelRect place = ui::ToPixels(control.place, splash.dpi_);
        create(kFrameClass, 0, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, place.left, place.top, place.width,
               place.height, splash.hwnd());
    }
    ~Frame() override { destroy(); }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_LBUTTONDOWN:
                if (!splash_.dismissed_) splash_.Pressed();
                return 0;
            case WM_CTLCOLORSTATIC:
                return splash_.ColourLabel(reinterpret_cast<HDC>(wParam));
            case WM_PAINT: {
                PAINTSTRUCT paint;
                HDC dc = BeginPaint(hwnd(), &paint);
                RECT box{};
                GetClientRect(hwnd(), &box);
                DrawEdge(dc, &box, EDGE_ETCHED, BF_RECT);
                EndPaint(hwnd(), &paint);
                return 0;
            }
            default:
                return defaultHandling(message, wParam, lParam);
        }
    }

private:
    frmSplash& splash_;
};

frmSplash::frmSplash(ShowMainWindow showMainWindow, UINT displayTimeMs)
    : dpi_(WindowDpi(nullptr)),
      versionFont_(Description().control("lblVersion").font, dpi_),
      creditFont_(Description().control("lblCompany").font, dpi_),
      showMainWindow_(std::move(showMainWindow)) {
    const ui::PixelRect client = ui::ToPixels(Description().client, dpi_);
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, kSplashStyle, FALSE, kSplashExStyle);
    if (!create(kSplashClass, kSplashExStyle, Utf8ToWide(Description().caption), kSplashStyle, 0, 0,
                outer.right - outer.left, outer.bottom - outer.top, TaskbarlessOwner()))
        return;

    CreateControls();
    Load();
    CentreOnScreen();
    // Running from the moment the window is loaded, not from when it is first painted.
    SetTimer(hwnd(), kTimer1, displayTimeMs, nullptr);

    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
    // Active, so that the first key reaches it.
    SetForegroundWindow(hwnd());
    SetFocus(hwnd());
}

frmSplash::~frmSplash() {
    // Gone without having been dismissed (the program ends early): the main window is not shown.
    dismissed_ = true;
    if (hwnd()) DestroyWindow(hwnd());
    for (HBITMAP banner : banners_)
        if (banner) DeleteObject(banner);
}

HWND frmSplash::frame() const { return Frame1 ? Frame1->hwnd() : nullptr; }

void frmSplash::CreateControls() {
    const ui::WindowDescription& splash = Description();
    Frame1 = std::make_unique<Frame>(*this, splash.control("Frame1"));

    // Each banner stretched to its place, as the design has it: at the standard resolution the
    // place is the picture's own size, on a scaled display the picture grows with the place.
    // None of the controls takes the mouse (statics without SS_NOTIFY are transparent to it), so
    // a press on any of them reaches the frame.
    const std::array<int, 2> bannerIds{IDB_SPLASH_BANNER_TOP, IDB_SPLASH_BANNER_BOTTOM};
    for (std::size_t index = 0; index < imgLogo.size(); ++index) {
        const ui::ControlDescription& logo = splash.control("imgLogo", static_cast<int>(index));
        const ui::PixelRect place = ui::ToPixels(logo.place, dpi_);
        banners_[index] = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bannerIds[index]),
                                                          IMAGE_BITMAP, place.width, place.height, 0));
        imgLogo[index] =
            CreateControl(Frame1->hwnd(), logo, 0, nullptr, dpi_, SS_BITMAP | SS_CENTERIMAGE, 0, L"STATIC");
        if (banners_[index])
            SendMessageW(imgLogo[index], STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(banners_[index]));
        // STM_SETIMAGE fits the control to the picture; keep the design place.
        SetWindowPos(imgLogo[index], nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    lblVersion = CreateControl(Frame1->hwnd(), splash.control("lblVersion"), 0, versionFont_.get(), dpi_, SS_RIGHT);
    lblCompany = CreateControl(Frame1->hwnd(), splash.control("lblCompany"), 0, creditFont_.get(), dpi_);
    lblWarning = CreateControl(Frame1->hwnd(), splash.control("lblWarning"), 0, creditFont_.get(), dpi_);
}

void frmSplash::Load() {
    const std::wstring version = Utf8ToWide(VersionLine());
    SetWindowTextW(lblVersion, version.c_str());
    // The label fits its text; its left edge stays where it was placed.
    const SIZE extent = TextExtent(lblVersion, nullptr, version);
    SetWindowPos(lblVersion, nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmSplash::CentreOnScreen() {
    RECT place{};
    GetWindowRect(hwnd(), &place);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmSplash::Pressed() {
    // A click is a press and its release; the release may come anywhere, so the splash takes
    // the mouse until then.
    pressed_ = true;
    SetCapture(hwnd());
}

void frmSplash::Dismiss() {
    // The first trigger wins: the window and its timer go at once, so no later click, key or
    // tick arrives; one that is already queued finds the flag set.
    if (dismissed_) return;
    dismissed_ = true;
    KillTimer(hwnd(), kTimer1);
    if (GetCapture() == hwnd()) ReleaseCapture();
    DestroyWindow(hwnd());
    lblVersion = lblCompany = lblWarning = nullptr;
    imgLogo = {};

    // The program has no window now; it goes on because its message loop does not end with a
    // window but only when the main window asks it to.
    if (showMainWindow_) showMainWindow_();
}

// The labels' text in the window's colours, on the face colour.
LRESULT frmSplash::ColourLabel(HDC dc) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT frmSplash::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
            Pressed();
            return 0;
        case WM_LBUTTONUP:
            if (pressed_) Dismiss();
            return 0;
        case WM_CAPTURECHANGED:
            pressed_ = false;
            return 0;
        case WM_CHAR:
            // Any key that produces a character: letters, digits, space, Enter, Esc, Backspace.
            // Shift, arrows and function keys produce none and leave the splash up.
            Dismiss();
            return 0;
        case WM_TIMER:
            if (wParam == kTimer1) {
                Dismiss();
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
            return ColourLabel(reinterpret_cast<HDC>(wParam));
        default:
            break;
    }
    return defaultHandling(message, wParam, lParam);
}

}  // namespace vantrel::win32
