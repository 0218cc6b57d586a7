#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/win32/BrowserHost.h"
#include "platform/win32/Window.h"
#include "ui/WindowDescriptions.h"

// The online tutorial in an embedded browser that fills the window, less a margin. The maker's
// site may not answer; then the window shows the tutorial page shipped inside the program instead
// of the browser's error page. Where the system has no browser control, the shipped page is shown
// as plain text in its place. Modeless; out of the taskbar through its hidden owner.
namespace vantrel::win32 {

class frmOnlineTut : public Window, private BrowserEvents {
public:
    static std::wstring TutorialAddress();
    // res://<this program>/TUTORIAL, the page shipped inside the program.
    static std::wstring BundledTutorialAddress();
    // The shipped page as plain text, for the window without a browser.
    static std::wstring BundledTutorialText();

    // Loads (navigates) and shows the window. address, loadTimeoutMs and browser are for tests;
    // BrowserHost::Kind::TextOnly takes the way of a system without the browser control.
    explicit frmOnlineTut(std::wstring address = TutorialAddress(),
                          UINT loadTimeoutMs = ui::kTutorialLoadTimeoutMilliseconds,
                          BrowserHost::Kind browser = BrowserHost::Kind::System);
    ~frmOnlineTut() override;

    // Called once the window is gone (the program drops it from its dialog keys).
    std::function<void(HWND)> onClosed;

    const BrowserHost* browser() const { return WebBrowser1.get(); }
    // The address last given to the browser: the tutorial, then perhaps the shipped page.
    const std::wstring& navigatedAddress() const { return navigatedAddress_; }
    bool showsBundledTutorial() const { return showsBundledTutorial_; }
    // Whether the tutorial address is still loading (neither shown nor given up).
    bool awaitingTutorial() const { return awaitingTutorial_; }
    // The browser's width and height in twips as last set.
    ui::TwipsSize browserSizeTwips() const { return browserTwips_; }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onDestroyed() override;

private:
    void Load();
    void Form_Resize();
    void SetBrowserSizeTwips(ui::TwipsSize twips);
    void Navigate(const std::wstring& address);
    void ShowBundledTutorial();
    void OnNavigateError(const std::wstring& address, bool& cancel) override;
    void OnDocumentComplete(const std::wstring& address) override;

    HWND window_ = nullptr;
    std::unique_ptr<BrowserHost> WebBrowser1;
    std::wstring address_;
    std::wstring navigatedAddress_;
    UINT loadTimeoutMs_;
    BrowserHost::Kind browserKind_;
    int dpi_;
    // The shipped page's face where the text box stands in for the browser.
    Font textFont_;
    ui::TwipsSize browserTwips_;
    bool awaitingTutorial_ = false;
    bool showsBundledTutorial_ = false;
};

}  // namespace vantrel::win32
