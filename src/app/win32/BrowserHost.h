#pragma once

#include <windows.h>

#include <exdisp.h>

#include <memory>
#include <string>

// The system's WebBrowser control hosted in a window: its OLE container (client site, in-place
// site and frame) and the sink of its events, behind a plain interface. The host reports the
// page's outcome through BrowserEvents. Where the control cannot be created, the host stands in
// for it with a read-only text box, into which the window puts a text of its own.
namespace vantrel::win32 {

// What the window learns from the browser about the page itself (not about frames inside it).
class BrowserEvents {
public:
    virtual ~BrowserEvents() = default;
    // The page could not be loaded; setting cancel keeps the browser's own error page away.
    virtual void OnNavigateError(const std::wstring& address, bool& cancel) = 0;
    // The page has loaded.
    virtual void OnDocumentComplete(const std::wstring& address) = 0;
};

class BrowserSite;

class BrowserHost {
public:
    enum class Kind { System, TextOnly };

    // The control in parent's client area at place (pixels), or, for Kind::TextOnly and where the
    // system has no such control, the text box in textFont. events must outlive the host.
    BrowserHost(HWND parent, const RECT& place, BrowserEvents& events, HFONT textFont, Kind kind = Kind::System);
    ~BrowserHost();
    BrowserHost(const BrowserHost&) = delete;
    BrowserHost& operator=(const BrowserHost&) = delete;

    // True while the control is hosted; false when the text box stands in for it.
    bool hasControl() const { return browser_ != nullptr; }
    IWebBrowser2* browser() const { return browser_; }
    // The control's window, or the text box.
    HWND window() const;

    // Returns at once; the page arrives while the program goes on. Without the control: nothing.
    void Navigate(const std::wstring& address);
    void Stop();
    // The text box's text, CR LF line ends; without effect while the control is hosted.
    void ShowText(const std::wstring& text);

    // Moves and sizes the control (or the text box) to place, in the parent's client pixels.
    void SetPlace(const RECT& place);
    const RECT& place() const { return place_; }

private:
    void CreateControl(BrowserEvents& events);
    void DestroyControl();
    void Connect(bool advise);

    HWND parent_;
    RECT place_;
    BrowserSite* site_ = nullptr;
    IOleObject* oleObject_ = nullptr;
    IWebBrowser2* browser_ = nullptr;
    DWORD eventCookie_ = 0;
    HWND text_ = nullptr;
};

}  // namespace vantrel::win32
