#pragma once

#include <windows.h>

#include <exdisp.h>
#include <oleidl.h>

#include <functional>
#include <string>

#include "app/win32/WindowSupport.h"

// The online tutorial in an embedded browser (the system's WebBrowser control) that fills the
// window, less a margin. The maker's site may not answer; then the window shows the tutorial page
// shipped inside the program instead of the browser's error page. Where the browser control
// cannot be created at all, the shipped tutorial is shown as plain text in its place.
namespace vantrel::win32 {

class BrowserSite;

class frmOnlineTut {
public:
    // How long the tutorial address may take before the shipped page is shown instead.
    static constexpr UINT kLoadTimeoutMs = 10000;
    static constexpr UINT_PTR kLoadTimer = 1;
    // The browser stands at 120, 120 twips and is 100 twips smaller than the area each way.
    static constexpr int kBrowserLeftTopTwips = 120;
    static constexpr int kBrowserMarginTwips = 100;

    static std::wstring TutorialAddress();
    // res://<this program>/TUTORIAL, the page shipped inside the program.
    static std::wstring BundledTutorialAddress();
    // The shipped page as plain text, for the window without a browser.
    static std::wstring BundledTutorialText();
    // Plain text from simple HTML: tags dropped, blocks on lines of their own, entities decoded.
    static std::wstring HtmlToText(const std::string& html);

    // The browser's size in twips for an area (client or outer size) of the given twips: 100
    // less each way, never below 0.
    static SIZE BrowserSizeTwips(SIZE areaTwips);

    enum class Browser { System, None };

    // Loads (navigates) and shows the window. address, loadTimeoutMs and browser are for tests;
    // Browser::None takes the way of a system without the browser control.
    explicit frmOnlineTut(std::wstring address = TutorialAddress(), UINT loadTimeoutMs = kLoadTimeoutMs,
                          Browser browser = Browser::System);
    ~frmOnlineTut();
    frmOnlineTut(const frmOnlineTut&) = delete;
    frmOnlineTut& operator=(const frmOnlineTut&) = delete;

    HWND hwnd() const { return hwnd_; }
    bool isOpen() const { return hwnd_ != nullptr; }
    std::function<void(HWND)> onClosed;

    // True when the browser control is hosted; false when the plain text stands in for it.
    bool hasBrowser() const { return browser_ != nullptr; }
    IWebBrowser2* browser() const { return browser_; }
    // The browser's (or the stand-in's) window, when it has one.
    HWND browserWindow() const;
    // The address last given to the browser: the tutorial, then perhaps the shipped page.
    const std::wstring& navigatedAddress() const { return navigatedAddress_; }
    bool showsBundledTutorial() const { return showsBundledTutorial_; }
    // Whether the tutorial address is still loading (neither shown nor given up).
    bool awaitingTutorial() const { return awaitingTutorial_; }
    // The browser's width and height in twips as last set, and its place in pixels.
    SIZE browserSizeTwips() const { return browserTwips_; }
    RECT browserRect() const { return browserRect_; }

    // What the browser's events report (DWebBrowserEvents2); public for the event sink.
    void OnNavigateError(const std::wstring& url, bool& cancel);
    void OnDocumentComplete(const std::wstring& url);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateBrowser();
    void DestroyBrowser();
    void Load();
    void Form_Resize();
    void SetBrowserSizeTwips(SIZE twips);
    void Navigate(const std::wstring& address);
    void ShowBundledTutorial();

    HWND hwnd_ = nullptr;
    HWND fallbackText_ = nullptr;
    BrowserSite* site_ = nullptr;
    IOleObject* oleObject_ = nullptr;
    IWebBrowser2* browser_ = nullptr;
    DWORD eventCookie_ = 0;
    HFONT textFont_ = nullptr;

    std::wstring address_;
    std::wstring navigatedAddress_;
    UINT loadTimeoutMs_;
    Browser browserChoice_;
    SIZE browserTwips_{0, 0};
    RECT browserRect_{0, 0, 0, 0};
    bool awaitingTutorial_ = false;
    bool showsBundledTutorial_ = false;
};

}  // namespace vantrel::win32
