#include "app/win32/frmOnlineTut.h"

#include <exdispid.h>
#include <ocidl.h>

#include <algorithm>
#include <cwctype>
#include <utility>
#include <vector>

#include "app/win32/Twips.h"
#include "app/win32/resource.h"
#include "ui/AppIdentity.h"
#include "platform/WideText.h"

namespace vantrel::win32 {

namespace {

constexpr const wchar_t* kTutorialClass = L"VantrelOnlineTutorial";
// The name of IDR_TUTORIAL_PAGE in the resources.
constexpr const wchar_t* kTutorialPageName = L"TUTORIAL";
// Sizable, with a maximize button and no minimize button.
constexpr DWORD kTutorialStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX |
                                 WS_CLIPCHILDREN;
constexpr DWORD kTutorialExStyle = WS_EX_WINDOWEDGE;

// The text of a VARIANT the browser passes, by value or by reference.
std::wstring VariantText(const VARIANT& value) {
    const VARIANT* inner = &value;
    if (inner->vt == (VT_VARIANT | VT_BYREF) && inner->pvarVal) inner = inner->pvarVal;
    if (inner->vt == VT_BSTR && inner->bstrVal) return std::wstring(inner->bstrVal, SysStringLen(inner->bstrVal));
    if (inner->vt == (VT_BSTR | VT_BYREF) && inner->pbstrVal && *inner->pbstrVal)
        return std::wstring(*inner->pbstrVal, SysStringLen(*inner->pbstrVal));
    return {};
}

bool SameObject(IUnknown* first, IUnknown* second) {
    if (!first || !second) return false;
    IUnknown* a = nullptr;
    IUnknown* b = nullptr;
    first->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a));
    second->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b));
    const bool same = a && a == b;
    if (a) a->Release();
    if (b) b->Release();
    return same;
}

std::string BundledTutorialHtml() {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, kTutorialPageName, MAKEINTRESOURCEW(23) /* RT_HTML */);
    if (!resource) return {};
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return std::string(static_cast<const char*>(data), SizeofResource(module, resource));
}

}  // namespace

// The browser control's container: client site, in-place site and frame, and the sink of the
// browser's DWebBrowserEvents2. Reference counted as COM wants it; the window holds one
// reference and cuts the way back to itself before it lets go.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame, public IDispatch {
public:
    BrowserSite(frmOnlineTut* owner, HWND window) : owner_(owner), window_(window) {}
    void Detach() { owner_ = nullptr; }
    void SetPlace(const RECT& place) { place_ = place; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite)
            *object = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
            *object = static_cast<IOleInPlaceSite*>(this);
        else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
            *object = static_cast<IOleInPlaceFrame*>(this);
        else if (iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2)
            *object = static_cast<IDispatch*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        if (moniker) *moniker = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** container) override {
        if (container) *container = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (for the in-place site and the frame alike)
    STDMETHODIMP GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = window_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        if (frame) {
            *frame = static_cast<IOleInPlaceFrame*>(this);
            AddRef();
        }
        if (document) *document = nullptr;
        if (position) *position = place_;
        if (clip) *clip = place_;
        if (info) {
            info->fMDIApp = FALSE;
            info->hwndFrame = window_;
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow and IOleInPlaceFrame: no toolbars, menus or status line to share.
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // IDispatch: the browser's events
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        if (!owner_ || !params) return S_OK;
        switch (member) {
            case DISPID_NAVIGATEERROR:
                // (pDisp, URL, Frame, StatusCode, Cancel), last argument first.
                if (params->cArgs == 5 && IsTopLevel(params->rgvarg[4])) {
                    bool cancel = false;
                    owner_->OnNavigateError(VariantText(params->rgvarg[3]), cancel);
                    if (cancel && params->rgvarg[0].vt == (VT_BOOL | VT_BYREF) && params->rgvarg[0].pboolVal)
                        *params->rgvarg[0].pboolVal = VARIANT_TRUE;
                }
                break;
            case DISPID_DOCUMENTCOMPLETE:
                // (pDisp, URL)
                if (params->cArgs == 2 && IsTopLevel(params->rgvarg[1]))
                    owner_->OnDocumentComplete(VariantText(params->rgvarg[0]));
                break;
            default:
                break;
        }
        return S_OK;
    }

private:
    ~BrowserSite() = default;

    // Events of frames inside the page carry the frame's own object; only the page counts.
    bool IsTopLevel(const VARIANT& source) const {
        if (!owner_ || !owner_->browser()) return false;
        IUnknown* object = source.vt == VT_DISPATCH ? source.pdispVal : nullptr;
        return object == nullptr || SameObject(object, owner_->browser());
    }

    ULONG references_ = 1;
    frmOnlineTut* owner_;
    HWND window_;
    RECT place_{0, 0, 0, 0};
};

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

std::wstring frmOnlineTut::BundledTutorialText() { return HtmlToText(BundledTutorialHtml()); }

std::wstring frmOnlineTut::HtmlToText(const std::string& html) {
    const std::wstring source = Utf8ToWide(html);
    std::wstring text;
    bool pendingSpace = false;
    const auto newLine = [&](int count) {
        pendingSpace = false;
        if (text.empty()) return;
        int present = 0;
        for (auto it = text.rbegin(); it != text.rend() && *it == L'\n' && present < count; ++it) ++present;
        text.append(static_cast<std::size_t>(count - present), L'\n');
    };
    const auto put = [&](wchar_t c) {
        if (pendingSpace && !text.empty() && text.back() != L'\n') text += L' ';
        pendingSpace = false;
        text += c;
    };
    bool skipping = false;  // inside <head>, <style> or <script>
    for (std::size_t i = 0; i < source.size();) {
        const wchar_t c = source[i];
        if (c == L'<') {
            const std::size_t end = source.find(L'>', i);
            if (end == std::wstring::npos) break;
            std::wstring tag = source.substr(i + 1, end - i - 1);
            i = end + 1;
            const bool closing = !tag.empty() && tag[0] == L'/';
            std::wstring name;
            for (std::size_t k = closing ? 1 : 0; k < tag.size() && std::iswalnum(tag[k]); ++k)
                name += static_cast<wchar_t>(std::towlower(tag[k]));
            if (name == L"head" || name == L"style" || name == L"script") {
                skipping = !closing;
                continue;
            }
            if (skipping) continue;
            if (name == L"br" || name == L"tr") {
                newLine(1);
            } else if (name == L"li") {
                newLine(1);
                if (!closing) text += L"- ";
            } else if (name == L"p" || name == L"pre" || name == L"ol" || name == L"ul" || name == L"table" ||
                       (name.size() == 2 && name[0] == L'h' && name[1] >= L'1' && name[1] <= L'6')) {
                newLine(2);
            } else if (name == L"td" || name == L"th") {
                pendingSpace = true;
            }
            continue;
        }
        ++i;
        if (skipping) continue;
        if (c == L'&') {
            const std::size_t end = source.find(L';', i);
            if (end != std::wstring::npos && end - i <= 8) {
                const std::wstring entity = source.substr(i, end - i);
                wchar_t decoded = 0;
                if (entity == L"amp") decoded = L'&';
                else if (entity == L"lt") decoded = L'<';
                else if (entity == L"gt") decoded = L'>';
                else if (entity == L"quot") decoded = L'"';
                else if (entity == L"apos" || entity == L"#39") decoded = L'\'';
                else if (entity == L"nbsp") decoded = L' ';
                else if (entity.size() > 1 && entity[0] == L'#')
                    decoded = static_cast<wchar_t>(entity[1] == L'x' || entity[1] == L'X'
                                                       ? std::wcstol(entity.c_str() + 2, nullptr, 16)
                                                       : std::wcstol(entity.c_str() + 1, nullptr, 10));
                if (decoded) {
                    put(decoded);
                    i = end + 1;
                    continue;
                }
            }
            put(c);
        } else if (std::iswspace(c)) {
            pendingSpace = true;
        } else {
            put(c);
        }
    }
    while (!text.empty() && text.back() == L'\n') text.pop_back();
    // An edit control breaks lines at CR LF only.
    std::wstring lines;
    for (wchar_t c : text) {
        if (c == L'\n') lines += L'\r';
        lines += c;
    }
    return lines;
}

SIZE frmOnlineTut::BrowserSizeTwips(SIZE areaTwips) {
    return SIZE{std::max<LONG>(0, areaTwips.cx - kBrowserMarginTwips),
                std::max<LONG>(0, areaTwips.cy - kBrowserMarginTwips)};
}

frmOnlineTut::frmOnlineTut(std::wstring address, UINT loadTimeoutMs, Browser browser)
    : address_(std::move(address)), loadTimeoutMs_(loadTimeoutMs), browserChoice_(browser) {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &frmOnlineTut::WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.hIcon = LoadApplicationIcon(GetSystemMetrics(SM_CXICON));
        windowClass.hIconSm = LoadApplicationIcon(GetSystemMetrics(SM_CXSMICON));
        windowClass.lpszClassName = kTutorialClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;

    // Design client area 4680 x 3195 twips, placed where the system places new windows. That is the
    // restored size; at it the page shows a handful of lines, so the window opens maximized.
    RECT outer{0, 0, TwipsToPixels(4680), TwipsToPixels(3195)};
    AdjustWindowRectEx(&outer, kTutorialStyle, FALSE, kTutorialExStyle);
    hwnd_ = CreateWindowExW(kTutorialExStyle, kTutorialClass, L"Online Tutorial", kTutorialStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, TaskbarlessOwner(),
                            nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_) return;
    ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
    SetForegroundWindow(hwnd_);
}

frmOnlineTut::~frmOnlineTut() {
    if (hwnd_) DestroyWindow(hwnd_);
}

HWND frmOnlineTut::browserWindow() const {
    if (fallbackText_) return fallbackText_;
    HWND window = nullptr;
    if (oleObject_) {
        IOleWindow* oleWindow = nullptr;
        if (SUCCEEDED(oleObject_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&oleWindow)))) {
            oleWindow->GetWindow(&window);
            oleWindow->Release();
        }
    }
    return window;
}

void frmOnlineTut::CreateBrowser() {
    browserRect_ = TwipsRect(kBrowserLeftTopTwips, kBrowserLeftTopTwips, 4455, 2895);
    browserTwips_ = SIZE{4455, 2895};
    if (browserChoice_ == Browser::System &&
        SUCCEEDED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                   reinterpret_cast<void**>(&oleObject_)))) {
        site_ = new BrowserSite(this, hwnd_);
        site_->SetPlace(browserRect_);
        oleObject_->SetClientSite(static_cast<IOleClientSite*>(site_));
        OleSetContainedObject(oleObject_, TRUE);
        if (SUCCEEDED(oleObject_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(site_), 0,
                                         hwnd_, &browserRect_)) &&
            SUCCEEDED(oleObject_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_)))) {
            IConnectionPointContainer* container = nullptr;
            if (SUCCEEDED(browser_->QueryInterface(IID_IConnectionPointContainer,
                                                   reinterpret_cast<void**>(&container)))) {
                IConnectionPoint* point = nullptr;
                if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point))) {
                    point->Advise(static_cast<IDispatch*>(site_), &eventCookie_);
                    point->Release();
                }
                container->Release();
            }
            // No dialogs of the browser's own over a page it cannot show.
            browser_->put_Silent(VARIANT_TRUE);
            return;
        }
        DestroyBrowser();
    }
    // No browser on this system: the shipped tutorial as plain text in its place.
    textFont_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    fallbackText_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                                    browserRect_.left, browserRect_.top, browserRect_.right - browserRect_.left,
                                    browserRect_.bottom - browserRect_.top, hwnd_, nullptr, GetModuleHandleW(nullptr),
                                    nullptr);
    SendMessageW(fallbackText_, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_), FALSE);
}

void frmOnlineTut::DestroyBrowser() {
    if (browser_) {
        if (eventCookie_) {
            IConnectionPointContainer* container = nullptr;
            if (SUCCEEDED(browser_->QueryInterface(IID_IConnectionPointContainer,
                                                   reinterpret_cast<void**>(&container)))) {
                IConnectionPoint* point = nullptr;
                if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point))) {
                    point->Unadvise(eventCookie_);
                    point->Release();
                }
                container->Release();
            }
            eventCookie_ = 0;
        }
        browser_->Stop();
        browser_->Release();
        browser_ = nullptr;
    }
    if (oleObject_) {
        IOleInPlaceObject* inPlace = nullptr;
        if (SUCCEEDED(oleObject_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
            inPlace->InPlaceDeactivate();
            inPlace->Release();
        }
        oleObject_->Close(OLECLOSE_NOSAVE);
        oleObject_->SetClientSite(nullptr);
        OleSetContainedObject(oleObject_, FALSE);
        oleObject_->Release();
        oleObject_ = nullptr;
    }
    if (site_) {
        site_->Detach();
        site_->Release();
        site_ = nullptr;
    }
}

void frmOnlineTut::Load() {
    CreateBrowser();
    // Navigate returns at once; the page arrives while the window goes on.
    if (browser_) {
        awaitingTutorial_ = true;
        Navigate(address_);
        SetTimer(hwnd_, kLoadTimer, loadTimeoutMs_, nullptr);
    } else {
        ShowBundledTutorial();
    }
    // Sized from the outer size first; the first WM_SIZE replaces it with the client rule.
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    SetBrowserSizeTwips(
        BrowserSizeTwips(SIZE{PixelsToTwips(outer.right - outer.left), PixelsToTwips(outer.bottom - outer.top)}));
}

void frmOnlineTut::Form_Resize() {
    const SIZE client = ClientSize(hwnd_);
    SetBrowserSizeTwips(BrowserSizeTwips(SIZE{PixelsToTwips(client.cx), PixelsToTwips(client.cy)}));
}

// Only the size follows the window; the browser stays at 120, 120 twips. Its last 20 twips lie
// beyond the client area's right and bottom edges.
void frmOnlineTut::SetBrowserSizeTwips(SIZE twips) {
    browserTwips_ = twips;
    browserRect_ = TwipsRect(kBrowserLeftTopTwips, kBrowserLeftTopTwips, twips.cx, twips.cy);
    if (site_) site_->SetPlace(browserRect_);
    if (oleObject_) {
        IOleInPlaceObject* inPlace = nullptr;
        if (SUCCEEDED(oleObject_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
            inPlace->SetObjectRects(&browserRect_, &browserRect_);
            inPlace->Release();
        }
    }
    if (fallbackText_)
        SetWindowPos(fallbackText_, nullptr, browserRect_.left, browserRect_.top,
                     browserRect_.right - browserRect_.left, browserRect_.bottom - browserRect_.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmOnlineTut::Navigate(const std::wstring& address) {
    navigatedAddress_ = address;
    if (!browser_) return;
    BSTR url = SysAllocStringLen(address.data(), static_cast<UINT>(address.size()));
    VARIANT empty;
    VariantInit(&empty);
    browser_->Navigate(url, &empty, &empty, &empty, &empty);
    SysFreeString(url);
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
    KillTimer(hwnd_, kLoadTimer);
}

void frmOnlineTut::ShowBundledTutorial() {
    awaitingTutorial_ = false;
    KillTimer(hwnd_, kLoadTimer);
    showsBundledTutorial_ = true;
    if (browser_) {
        browser_->Stop();
        Navigate(BundledTutorialAddress());
    } else if (fallbackText_) {
        SetWindowTextW(fallbackText_, BundledTutorialText().c_str());
    }
}

LRESULT frmOnlineTut::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            Load();
            return 0;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) Form_Resize();
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
            KillTimer(hwnd_, kLoadTimer);
            DestroyBrowser();
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK frmOnlineTut::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<frmOnlineTut*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = window;
    }
    auto* self = reinterpret_cast<frmOnlineTut*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->fallbackText_ = nullptr;
        if (self->onClosed) self->onClosed(window);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

}  // namespace vantrel::win32
