#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "app/win32/WindowSupport.h"
#include "ui/WindowDescriptions.h"

// The window the program starts through: two banners, the version and the credits. It goes away
// when its display time is up, or at the first click anywhere on it or the first key that
// produces a character, and hands over to the main window.
namespace vantrel::win32 {

class frmSplash {
public:
    static constexpr UINT_PTR kTimer1 = 1;

    // Creates, shows and activates the main window; called once, after the splash is gone.
    using ShowMainWindow = std::function<void()>;

    // Loads and shows the splash and starts its timer. displayTimeMs is shortened by tests only.
    explicit frmSplash(ShowMainWindow showMainWindow, UINT displayTimeMs = ui::kSplashDisplayMilliseconds);
    ~frmSplash();
    frmSplash(const frmSplash&) = delete;
    frmSplash& operator=(const frmSplash&) = delete;

    // The splash window, or null once dismissed.
    HWND hwnd() const { return hwnd_; }
    bool dismissed() const { return dismissed_; }
    int dpi() const { return dpi_; }

    // The controls, for tests and the screenshots' sake; null once dismissed.
    HWND frame() const { return Frame1; }
    HWND logo(int index) const { return imgLogo[static_cast<std::size_t>(index)]; }
    HWND versionLabel() const { return lblVersion; }
    HWND companyLabel() const { return lblCompany; }
    HWND warningLabel() const { return lblWarning; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    void Load();
    void CentreOnScreen();
    void Pressed();
    void Dismiss();

    HWND hwnd_ = nullptr;
    HWND Frame1 = nullptr;
    std::array<HWND, 2> imgLogo{};
    HWND lblVersion = nullptr;
    HWND lblCompany = nullptr;
    HWND lblWarning = nullptr;
    std::array<HBITMAP, 2> banners_{};

    int dpi_ = ui::kStandardDpi;
    Font versionFont_;
    Font creditFont_;
    ShowMainWindow showMainWindow_;
    bool pressed_ = false;
    bool dismissed_ = false;
};

}  // namespace vantrel::win32
