#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "app/SystemInformationLauncher.h"
#include "platform/win32/Window.h"

// The About dialog: title, version, what the tool is for, the support site, a copyright notice,
// and a button that starts the system's information program. Modeless; it has no owner of the
// program's (see TaskbarlessOwner) and goes when OK is pressed or it is closed.
namespace vantrel::win32 {

class frmAbout : public Window {
public:
    static constexpr int kIdSysInfo = 1001;

    // Builds the launcher "System Info..." runs; it reports through the given user interaction.
    using LauncherFactory = std::function<std::unique_ptr<SystemInformationLauncher>(UserInteraction&)>;

    // Loads and shows the dialog and activates it. ui must outlive the dialog.
    explicit frmAbout(UserInteraction& ui, LauncherFactory makeLauncher = MakeSystemInformationLauncher);
    ~frmAbout() override;

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

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onDestroyed() override;

private:
    void CreateControls();
    void Load();
    void PaintSeparator(HDC dc) const;
    void cmdOK_Click();

    HWND window_ = nullptr;
    HWND picIcon = nullptr;
    HWND lblTitle = nullptr;
    HWND lblVersion = nullptr;
    HWND lblDescription = nullptr;
    HWND lblDisclaimer = nullptr;
    HWND cmdOK = nullptr;
    HWND cmdSysInfo = nullptr;

    int dpi_;
    Font labelFont_;
    Font titleFont_;
    UserInteraction& ui_;
    std::unique_ptr<SystemInformationLauncher> launcher_;
};

}  // namespace vantrel::win32
