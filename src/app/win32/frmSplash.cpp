#include "app/win32/frmSplash.h"

#include <utility>

#include "app/win32/resource.h"
#include "ui/AppIdentity.h"
#include "platform/WideText.h"

namespace vantrel::win32 {

namespace {

constexpr const wchar_t* kSplashClass = L"VantrelSplash";
constexpr const wchar_t* kFrameClass = L"VantrelSplashFrame";
// A dialog frame and nothing else: no caption, no control box, no minimize or maximize button.
constexpr DWORD kSplashStyle = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
// No extended style: the hidden owner keeps it out of the taskbar. A tool window would as well,
// but X11 window managers under Wine take an unowned tool window for a normal window that skips
// the taskbar, and openbox gives such a window no focus when it maps: the first key would miss it.
constexpr DWORD kSplashExStyle = 0;

const ui::WindowDescription& Description() { return ui::SplashDescription(); }

void RegisterClasses(WNDPROC splashProc, WNDPROC frameProc) {
    static const bool registered = [&] {
        WNDCLASSEXW splash{};
        splash.cbSize = sizeof(splash);
        splash.lpfnWndProc = splashProc;
        splash.hInstance = GetModuleHandleW(nullptr);
        splash.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        splash.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        splash.lpszClassName = kSplashClass;
        RegisterClassExW(&splash);

        WNDCLASSEXW frame = splash;
        frame.lpfnWndProc = frameProc;
        frame.lpszClassName = kFrameClass;
        RegisterClassExW(&frame);
        return true;
    }();
    (void)registered;
}

}  // namespace

frmSplash::frmSplash(ShowMainWindow showMainWindow, UINT displayTimeMs)
    : dpi_(WindowDpi(nullptr)),
      versionFont_(Description().control("lblVersion").font, dpi_),
      creditFont_(Description().control("lblCompany").font, dpi_),
      showMainWindow_(std::move(showMainWindow)) {
    RegisterClasses(&frmSplash::WindowProc, &frmSplash::FrameProc);

    const ui::PixelRect client = ui::ToPixels(Description().client, dpi_);
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, kSplashStyle, FALSE, kSplashExStyle);
    hwnd_ = CreateWindowExW(kSplashExStyle, kSplashClass, Utf8ToWide(Description().caption).c_str(), kSplashStyle, 0,
                            0, outer.right - outer.left, outer.bottom - outer.top, TaskbarlessOwner(), nullptr,
                            GetModuleHandleW(nullptr), this);
    if (!hwnd_) return;

    CreateControls();
    Load();
    CentreOnScreen();
    // Running from the moment the window is loaded, not from when it is first painted.
    SetTimer(hwnd_, kTimer1, displayTimeMs, nullptr);

    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    // Active, so that the first key reaches it.
    SetForegroundWindow(hwnd_);
    SetFocus(hwnd_);
}

frmSplash::~frmSplash() {
    if (hwnd_) {
        // Gone without having been dismissed (the program ends early): the main window is not shown.
        dismissed_ = true;
        DestroyWindow(hwnd_);
    }
    for (HBITMAP banner : banners_)
        if (banner) DeleteObject(banner);
}

void frmSplash::CreateControls() {
    const ui::WindowDescription& splash = Description();
    Frame1 = CreateControl(hwnd_, splash.control("Frame1"), 0, nullptr, dpi_, WS_CLIPSIBLINGS, 0, kFrameClass);
    SetWindowLongPtrW(Frame1, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

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
        imgLogo[index] = CreateControl(Frame1, logo, 0, nullptr, dpi_, SS_BITMAP | SS_CENTERIMAGE);
        if (banners_[index])
            SendMessageW(imgLogo[index], STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(banners_[index]));
        // STM_SETIMAGE fits the control to the picture; keep the design place.
        SetWindowPos(imgLogo[index], nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    lblVersion = CreateControl(Frame1, splash.control("lblVersion"), 0, versionFont_.get(), dpi_,
                               SS_RIGHT | SS_NOPREFIX);
    lblCompany = CreateControl(Frame1, splash.control("lblCompany"), 0, creditFont_.get(), dpi_, SS_LEFT | SS_NOPREFIX);
    lblWarning = CreateControl(Frame1, splash.control("lblWarning"), 0, creditFont_.get(), dpi_, SS_LEFT | SS_NOPREFIX);
}

void frmSplash::Load() {
    const std::wstring version = Utf8ToWide(VersionLine());
    SetWindowTextW(lblVersion, version.c_str());
    // The label fits its text; its left edge stays where it was placed.
    const SIZE extent = TextExtent(lblVersion, versionFont_.get(), version);
    SetWindowPos(lblVersion, nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmSplash::CentreOnScreen() {
    RECT place{};
    GetWindowRect(hwnd_, &place);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmSplash::Pressed() {
    // A click is a press and its release; the release may come anywhere, so the splash takes
    // the mouse until then.
    pressed_ = true;
    SetCapture(hwnd_);
}

void frmSplash::Dismiss() {
    // The first trigger wins: the window and its timer go at once, so no later click, key or
    // tick arrives; one that is already queued finds the flag set.
    if (dismissed_) return;
    dismissed_ = true;
    KillTimer(hwnd_, kTimer1);
    if (GetCapture() == hwnd_) ReleaseCapture();
    HWND splash = std::exchange(hwnd_, nullptr);
    DestroyWindow(splash);
    Frame1 = lblVersion = lblCompany = lblWarning = nullptr;
    imgLogo = {};

    // The program has no window now; it goes on because its message loop does not end with a
    // window but only when the main window asks it to.
    if (showMainWindow_) showMainWindow_();
}

LRESULT frmSplash::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
            // The labels' text in the window's colours, on the face colour.
            SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
            SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNTEXT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK frmSplash::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<frmSplash*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = window;
    }
    auto* self = reinterpret_cast<frmSplash*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (!self || self->hwnd_ != window) return DefWindowProcW(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

// Frame1: an etched box around everything; a press on it or on any control inside it counts as
// a press on the splash.
LRESULT CALLBACK frmSplash::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<frmSplash*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_LBUTTONDOWN:
            if (self && !self->dismissed_) self->Pressed();
            return 0;
        case WM_CTLCOLORSTATIC:
            if (self && self->hwnd_) return self->HandleMessage(message, wParam, lParam);
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            RECT box{};
            GetClientRect(window, &box);
            DrawEdge(dc, &box, EDGE_ETCHED, BF_RECT);
            EndPaint(window, &paint);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace vantrel::win32
