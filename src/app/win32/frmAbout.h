#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "app/SystemInformationLauncher.h"
#include "app/win32/WindowSupport.h"
#include "ui/WindowDescriptions.h"

// The About dialog: title, version, what the tool is for, the support site, a copyright notice,
// and a button that starts the system's information program. Modeless; it has no owner of the
// program's (see TaskbarlessOwner) and goes when OK is pressed or it is closed.
namespace vantrel::win32 {

class frmAbout {
public:
    static constexpr int kIdSysInfo = 1001;

    // Builds the launcher "System Info..." runs; it reports through the given user interaction.
    using LauncherFactory = std::function<std::unique_ptr<SystemInformationLauncher>(UserInteraction&)>;

    // Loads and shows the dialog and activates it. ui must outlive the dialog.
    explicit frmAbout(UserInteraction& ui, LauncherFactory makeLauncher = MakeSystemInformationLauncher);
    ~frmAbout();
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    // The dialog, or null once it was closed.
    HWND hwnd() const { return hwnd_; }
    bool isOpen() const { return hwnd_ != nullptr; }
    int dpi() const { return dpi_; }
    // Called once the dialog's window is gone (the program drops it from its dialog keys).
    std::function<void(HWND)> onClosed;

    void StartSysInfo();

    // The controls, for tests.
    HWND iconPicture() const { return picIcon; }
    HWND titleLabel() const { return lblTitle; }
    HWND versionLabel() const { return lblVersion; }
    HWND descriptionLabel() const { return lblDescription; }
    HWND disclaimerLabel() const { return lblDisclaimer; }
    HWND okButton() const { return cmdOK; }
    HWND sysInfoButton() const { return cmdSysInfo; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    void Load();
    void PaintSeparator(HDC dc) const;
    void cmdOK_Click();

    HWND hwnd_ = nullptr;
    HWND picIcon = nullptr;
    HWND lblTitle = nullptr;
    HWND lblVersion = nullptr;
    HWND lblDescription = nullptr;
    HWND lblDisclaimer = nullptr;
    HWND cmdOK = nullptr;
    HWND cmdSysInfo = nullptr;

    int dpi_ = ui::kStandardDpi;
    Font labelFont_;
    Font titleFont_;
    UserInteraction& ui_;
    std::unique_ptr<SystemInformationLauncher> launcher_;
};

}  // namespace vantrel::win32
