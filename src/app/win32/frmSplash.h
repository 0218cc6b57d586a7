#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "platform/win32/Window.h"
#include "ui/WindowDescriptions.h"

// The window the program starts through: two banners, the version and the credits. It goes away
// when its display time is up, or at the first click anywhere on it or the first key that
// produces a character, and hands over to the main window.
namespace vantrel::win32 {

class frmSplash : public Window {
public:
    static constexpr UINT_PTR kTimer1 = 1;

    // Creates, shows and activates the main window; called once, after the splash is gone.
    using ShowMainWindow = std::function<void()>;

    // Loads and shows the splash and starts its timer. displayTimeMs is shortened by tests only.
    explicit frmSplash(ShowMainWindow showMainWindow, UINT displayTimeMs = ui::kSplashDisplayMilliseconds);
    ~frmSplash() override;

    bool dismissed() const { return dismissed_; }

    // The controls, for tests and the screenshots' sake; null once dismissed.
    HWND frame() const;
    HWND logo(int index) const { return imgLogo[static_cast<std::size_t>(index)]; }
    HWND versionLabel() const { return lblVersion; }
    HWND companyLabel() const { return lblCompany; }
    HWND warningLabel() const { return lblWarning; }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class Frame;

    void CreateControls();
    void Load();
    void CentreOnScreen();
    void Pressed();
    void Dismiss();
    LRESULT ColourLabel(HDC dc);

    std::unique_ptr<Frame> Frame1;
    std::array<HWND, 2> imgLogo{};
    HWND lblVersion = nullptr;
    HWND lblCompany = nullptr;
    HWND lblWarning = nullptr;
    std::array<HBITMAP, 2> banners_{};

    int dpi_;
    Font versionFont_;
    Font creditFont_;
    ShowMainWindow showMainWindow_;
    bool pressed_ = false;
    bool dismissed_ = false;
};

}  // namespace vantrel::win32
