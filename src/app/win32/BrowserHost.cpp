#include "app/win32/BrowserHost.h"

#include <exdispid.h>
#include <ocidl.h>
#include <oleidl.h>

namespace vantrel::win32 {

namespace {

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

}  // namespace

// The control's container: client site, in-place site and frame, and the sink of the control's
// DWebBrowserEvents2. Reference counted as COM wants it; the host holds one reference and cuts
// the way back to its events before it lets go.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame, public IDispatch {
public:
    BrowserSite(HWND window, BrowserEvents& events) : window_(window), events_(&events) {}
    void Detach() {
        events_ = nullptr;
        browser_ = nullptr;
    }
    void SetBrowser(IWebBrowser2* browser) { browser_ = browser; }
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

    // IDispatch: the control's events
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        if (!events_ || !params) return S_OK;
        switch (member) {
            case DISPID_NAVIGATEERROR:
                // (pDisp, URL, Frame, StatusCode, Cancel), last argument first.
                if (params->cArgs == 5 && IsTopLevel(params->rgvarg[4])) {
                    bool cancel = false;
                    events_->OnNavigateError(VariantText(params->rgvarg[3]), cancel);
                    if (cancel && params->rgvarg[0].vt == (VT_BOOL | VT_BYREF) && params->rgvarg[0].pboolVal)
                        *params->rgvarg[0].pboolVal = VARIANT_TRUE;
                }
                break;
            case DISPID_DOCUMENTCOMPLETE:
                // (pDisp, URL)
                if (params->cArgs == 2 && IsTopLevel(params->rgvarg[1]))
                    events_->OnDocumentComplete(VariantText(params->rgvarg[0]));
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
        if (!browser_) return false;
        IUnknown* object = source.vt == VT_DISPATCH ? source.pdispVal : nullptr;
        return object == nullptr || SameObject(object, browser_);
    }

    ULONG references_ = 1;
    HWND window_;
    BrowserEvents* events_;
    IWebBrowser2* browser_ = nullptr;
    RECT place_{0, 0, 0, 0};
};

BrowserHost::BrowserHost(HWND parent, const RECT& place, BrowserEvents& events, HFONT textFont, Kind kind)
    : parent_(parent), place_(place) {
    if (kind == Kind::System) CreateControl(events);
    if (browser_) return;
    // No control on this system: a read-only text box in its place.
    text_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                            place_.left, place_.top, place_.right - place_.left, place_.bottom - place_.top, parent_,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(textFont), FALSE);
}

BrowserHost::~BrowserHost() {
    DestroyControl();
    if (text_ && IsWindow(text_)) DestroyWindow(text_);
}

void BrowserHost::CreateControl(BrowserEvents& events) {
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&oleObject_))))
        return;
    site_ = new BrowserSite(parent_, events);
    site_->SetPlace(place_);
    oleObject_->SetClientSite(static_cast<IOleClientSite*>(site_));
    OleSetContainedObject(oleObject_, TRUE);
    if (SUCCEEDED(oleObject_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(site_), 0,
                                     parent_, &place_)) &&
        SUCCEEDED(oleObject_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_)))) {
        site_->SetBrowser(browser_);
        Connect(true);
        // No dialogs of the browser's own over a page it cannot show.
        browser_->put_Silent(VARIANT_TRUE);
        return;
    }
    DestroyControl();
}

// Advises or unadvises the site as the sink of the control's DWebBrowserEvents2.
void BrowserHost::Connect(bool advise) {
    IConnectionPointContainer* container = nullptr;
    if (FAILED(browser_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) return;
    IConnectionPoint* point = nullptr;
    if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point))) {
        if (advise)
            point->Advise(static_cast<IDispatch*>(site_), &eventCookie_);
        else
            point->Unadvise(eventCookie_);
        point->Release();
    }
    container->Release();
}

void BrowserHost::DestroyControl() {
    if (browser_) {
        if (eventCookie_) Connect(false);
        eventCookie_ = 0;
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

HWND BrowserHost::window() const {
    if (text_) return text_;
    HWND window = nullptr;
    IOleWindow* oleWindow = nullptr;
    if (oleObject_ &&
        SUCCEEDED(oleObject_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&oleWindow)))) {
        oleWindow->GetWindow(&window);
        oleWindow->Release();
    }
    return window;
}

void BrowserHost::Navigate(const std::wstring& address) {
    if (!browser_) return;
    BSTR url = SysAllocStringLen(address.data(), static_cast<UINT>(address.size()));
    VARIANT empty;
    VariantInit(&empty);
    browser_->Navigate(url, &empty, &empty, &empty, &empty);
    SysFreeString(url);
}

void BrowserHost::Stop() {
    if (browser_) browser_->Stop();
}

void BrowserHost::ShowText(const std::wstring& text) {
    if (text_) SetWindowTextW(text_, text.c_str());
}

void BrowserHost::SetPlace(const RECT& place) {
    place_ = place;
    if (site_) site_->SetPlace(place_);
    IOleInPlaceObject* inPlace = nullptr;
    if (oleObject_ &&
        SUCCEEDED(oleObject_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
        inPlace->SetObjectRects(&place_, &place_);
        inPlace->Release();
    }
    if (text_)
        SetWindowPos(text_, nullptr, place_.left, place_.top, place_.right - place_.left, place_.bottom - place_.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vantrel::win32
