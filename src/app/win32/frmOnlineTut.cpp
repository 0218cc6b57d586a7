#include "app/win32/frmOnlineTut.h"

#include <utility>
#include <vector>

#include "app/HtmlToText.h"
#include "app/win32/resource.h"
#include "platform/WideText.h"
#include "ui/AppIdentity.h"

namespace vantrel::win32 {

namespace {

const WindowClass kTutorialClass{L"VantrelOnlineTutorial", nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                 true};
// The name of IDR_TUTORIAL_PAGE in the resources.
constexpr const wchar_t* kTutorialPageName = L"TUTORIAL";
constexpr UINT_PTR kLoadTimer = 1;
// Sizable, with a maximize button and no minimize button.
constexpr DWORD kTutorialStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kTutorialExStyle = WS_EX_WINDOWEDGE;

const ui::WindowDescription& Description() { return ui::OnlineTutorialDescription(); }

std::string BundledTutorialHtml() {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, kTutorialPageName, MAKEINTRESOURCEW(23) /* RT_HTML */);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return std::string(static_cast<const char*>(data), SizeofResource(module, resource));
}

ui::TwipsSize ToTwips(int width, int height, int dpi) {
    return ui::TwipsSize{ui::PixelsToTwips(width, dpi), ui::PixelsToTwips(height, dpi)};
}

}  // namespace

std::wstring frmOnlineTut::TutorialAddress() { return Utf8ToWide(vantrel::TutorialAddress()); }

std::wstring frmOnlineTut::BundledTutorialAddress() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size())
            return L"res://" + std::wstring(path.data(), length) + L"/" + std::wstring(kTutorialPageName);
        path.resize(path.size() * 2);
    }
}

std::wstring frmOnlineTut::BundledTutorialText() {
    // An edit control breaks lines at CR LF only.
    std::wstring text;
    for (wchar_t c : Utf8ToWide(HtmlToText(BundledTutorialHtml()))) {
        if (c == L'\n') text += L'\r';
        text += c;
    }
    return text;
}

frmOnlineTut::frmOnlineTut(std::wstring address, UINT loadTimeoutMs, BrowserHost::Kind browser)
    : address_(std::move(address)),
      loadTimeoutMs_(loadTimeoutMs),
      browserKind_(browser),
      dpi_(WindowDpi(nullptr)),
      textFont_(ui::kDialogFont, dpi_) {
    // The design client area, placed where the system places new windows. That is the restored
    // size; at it the page shows a handful of lines, so the window opens maximized.
    const ui::PixelRect client = ui::ToPixels(Description().client, dpi_);
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, kTutorialStyle, FALSE, kTutorialExStyle);
    window_ = create(kTutorialClass, kTutorialExStyle, Utf8ToWide(Description().caption), kTutorialStyle, CW_USEDEFAULT,
                     CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, TaskbarlessOwner());
    if (!window_) return;
    // Restored, it stands where the system put it, or, where that is the work area's very corner
    // (Wine's choice), where a window manager would put it.
    PlaceStartPosition(hwnd());
    ShowWindow(hwnd(), SW_SHOWMAXIMIZED);
    SetForegroundWindow(hwnd());
}

frmOnlineTut::~frmOnlineTut() {
    // Closed while the object is whole: the browser goes with the window, and onClosed is told.
    if (hwnd()) DestroyWindow(hwnd());
}

void frmOnlineTut::Load() {
    const ui::ControlDescription& browser = Description().control("WebBrowser1");
    browserTwips_ = ui::TwipsSize{browser.place.width, browser.place.height};
    WebBrowser1 = std::make_unique<BrowserHost>(hwnd(), ToRect(ui::ToPixels(browser.place, dpi_)),
                                                static_cast<BrowserEvents&>(*this), textFont_.get(), browserKind_);
    // Navigate returns at once; the page arrives while the window goes on.
    if (WebBrowser1->hasControl()) {
        awaitingTutorial_ = true;
        Navigate(address_);
        SetTimer(hwnd(), kLoadTimer, loadTimeoutMs_, nullptr);
    } else {
        ShowBundledTutorial();
    }
    // Sized from the outer size first; the first WM_SIZE replaces it with the client rule.
    RECT outer{};
    GetWindowRect(hwnd(), &outer);
    SetBrowserSizeTwips(ui::BrowserSizeTwips(ToTwips(outer.right - outer.left, outer.bottom - outer.top, dpi_)));
}

void frmOnlineTut::Form_Resize() {
    const SIZE client = ClientSize(hwnd());
    SetBrowserSizeTwips(ui::BrowserSizeTwips(ToTwips(client.cx, client.cy, dpi_)));
}

// Only the size follows the window; the browser keeps its place. Its last 20 twips lie beyond the
// client area's right and bottom edges.
void frmOnlineTut::SetBrowserSizeTwips(ui::TwipsSize twips) {
    browserTwips_ = twips;
    const ui::TwipsRect place = Description().control("WebBrowser1").place;
    WebBrowser1->SetPlace(ToRect(ui::ToPixels({place.left, place.top, twips.width, twips.height}, dpi_)));
}

void frmOnlineTut::Navigate(const std::wstring& address) {
    navigatedAddress_ = address;
    WebBrowser1->Navigate(address);
}

void frmOnlineTut::OnNavigateError(const std::wstring&, bool& cancel) {
    if (!awaitingTutorial_) return;
    // Instead of the browser's own error page.
    cancel = true;
    ShowBundledTutorial();
}

void frmOnlineTut::OnDocumentComplete(const std::wstring&) {
    if (!awaitingTutorial_) return;
    awaitingTutorial_ = false;
    KillTimer(hwnd(), kLoadTimer);
}

void frmOnlineTut::ShowBundledTutorial() {
    awaitingTutorial_ = false;
    KillTimer(hwnd(), kLoadTimer);
    showsBundledTutorial_ = true;
    if (WebBrowser1->hasControl()) {
        WebBrowser1->Stop();
        Navigate(BundledTutorialAddress());
    } else {
        WebBrowser1->ShowText(BundledTutorialText());
    }
}

LRESULT frmOnlineTut::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            Load();
            return 0;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED && WebBrowser1) Form_Resize();
            return 0;
        case WM_TIMER:
            if (wParam == kLoadTimer) {
                // The site did not answer in time.
                if (awaitingTutorial_) ShowBundledTutorial();
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
            // The read-only text on a white page, as a browser would show it.
            SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
            SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        case WM_DESTROY:
            KillTimer(hwnd(), kLoadTimer);
            WebBrowser1.reset();
            break;
        default:
            break;
    }
    return defaultHandling(message, wParam, lParam);
}

void frmOnlineTut::onDestroyed() {
    if (onClosed) onClosed(window_);
}

}  // namespace vantrel::win32
