#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "app/win32/frmAbout.h"
#include "app/win32/frmOnlineTut.h"

// The About dialog and the tutorial window that the main window's Help menu opens, one of each
// per process: created on first use, shown modeless; shown again while open, only brought
// forward; after it was closed, loaded anew. Windows still open when this goes are closed with it.
namespace vantrel::win32 {

class AuxiliaryWindows {
public:
    // ui: the About dialog's message boxes. makeLauncher and tutorialAddress are for tests.
    explicit AuxiliaryWindows(UserInteraction& ui,
                              frmAbout::LauncherFactory makeLauncher = MakeSystemInformationLauncher,
                              std::wstring tutorialAddress = frmOnlineTut::TutorialAddress());
    ~AuxiliaryWindows();
    AuxiliaryWindows(const AuxiliaryWindows&) = delete;
    AuxiliaryWindows& operator=(const AuxiliaryWindows&) = delete;

    // The program's message loop gives these windows dialog keys (Tab, Enter, Esc, Alt+letter):
    // told of each window as it opens and closes.
    std::function<void(HWND)> onWindowOpened;
    std::function<void(HWND)> onWindowClosed;

    frmAbout& ShowAbout();
    frmOnlineTut& ShowOnlineTutorial();

    // The open windows, or null.
    frmAbout* about() const { return about_ && about_->isOpen() ? about_.get() : nullptr; }
    frmOnlineTut* onlineTutorial() const {
        return onlineTutorial_ && onlineTutorial_->isOpen() ? onlineTutorial_.get() : nullptr;
    }

private:
    void Opened(HWND window);
    void Closed(HWND window);

    UserInteraction& ui_;
    frmAbout::LauncherFactory makeLauncher_;
    std::wstring tutorialAddress_;
    std::unique_ptr<frmAbout> about_;
    std::unique_ptr<frmOnlineTut> onlineTutorial_;
};

// Brings an open window forward: restored if minimized, shown, activated.
void BringForward(HWND window);

}  // namespace vantrel::win32
