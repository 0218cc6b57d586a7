#include "app/win32/AuxiliaryWindows.h"

#include <utility>

namespace vantrel::win32 {

AuxiliaryWindows::AuxiliaryWindows(UserInteraction& ui, frmAbout::LauncherFactory makeLauncher,
                                   std::wstring tutorialAddress)
    : ui_(ui), makeLauncher_(std::move(makeLauncher)), tutorialAddress_(std::move(tutorialAddress)) {}

AuxiliaryWindows::~AuxiliaryWindows() {
    // Closed here, while the hooks can still be told.
    about_.reset();
    onlineTutorial_.reset();
}

void BringForward(HWND window) {
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    ShowWindow(window, SW_SHOW);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(window);
}

frmAbout& AuxiliaryWindows::ShowAbout() {
    if (frmAbout* open = about()) {
        BringForward(open->hwnd());
        return *open;
    }
    // The closed dialog's object goes now; a new one runs its load step again.
    about_.reset();
    about_ = std::make_unique<frmAbout>(ui_, makeLauncher_);
    about_->onClosed = [this](HWND window) { Closed(window); };
    Opened(about_->hwnd());
    return *about_;
}

frmOnlineTut& AuxiliaryWindows::ShowOnlineTutorial() {
    if (frmOnlineTut* open = onlineTutorial()) {
        BringForward(open->hwnd());
        return *open;
    }
    // Each opening navigates to the tutorial address afresh.
    onlineTutorial_.reset();
    onlineTutorial_ = std::make_unique<frmOnlineTut>(tutorialAddress_);
    onlineTutorial_->onClosed = [this](HWND window) { Closed(window); };
    Opened(onlineTutorial_->hwnd());
    return *onlineTutorial_;
}

void AuxiliaryWindows::Opened(HWND window) {
    if (window && onWindowOpened) onWindowOpened(window);
}

void AuxiliaryWindows::Closed(HWND window) {
    if (onWindowClosed) onWindowClosed(window);
}

}  // namespace vantrel::win32
