#pragma once

#include <memory>

#include "platform/UserInteraction.h"

// What the About dialog's "System Info..." button runs: find the operating system's system
// information program and start it, or tell the user that it cannot be had.
namespace vantrel {

inline constexpr const char* kSysInfoUnavailableMessage = "System Information Is Unavailable At This Time";

class SystemInformationLauncher {
public:
    virtual ~SystemInformationLauncher() = default;
    // Starts the tool and returns at once, or shows the failure message through the user interaction.
    virtual void StartSysInfo() = 0;
};

// The failure message: OK only, no icon, the application's title as caption.
void ShowSysInfoUnavailable(UserInteraction& ui);

// The launcher of this platform (the registry on Windows, the search path elsewhere); messages go to ui,
// which must outlive it.
std::unique_ptr<SystemInformationLauncher> MakeSystemInformationLauncher(UserInteraction& ui);

}  // namespace vantrel
