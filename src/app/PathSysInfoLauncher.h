#pragma once

#include <string>
#include <vector>

#include "app/ProgramStarter.h"
#include "app/SystemInformationLauncher.h"

// Where there is no registry: starts the first system information program of a short list that is
// found on the search path.
namespace vantrel {

class PathSysInfoLauncher final : public SystemInformationLauncher {
public:
    // Hardware and system overviews first, then the desktops' system monitors.
    static std::vector<std::string> DefaultCandidates();

    PathSysInfoLauncher(const ProgramLocator& locator, ProgramStarter& starter, UserInteraction& ui,
                        std::vector<std::string> candidates = DefaultCandidates());

    // Starts the first candidate found; the failure message when none is found or the one found
    // cannot be started (later candidates are not tried then, as the user asked for that tool).
    void StartSysInfo() override;

private:
    const ProgramLocator& locator_;
    ProgramStarter& starter_;
    UserInteraction& ui_;
    std::vector<std::string> candidates_;
};

}  // namespace vantrel
