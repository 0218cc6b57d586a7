#include "app/PathSysInfoLauncher.h"

#include <utility>

namespace vantrel {

std::vector<std::string> PathSysInfoLauncher::DefaultCandidates() {
    return {"hardinfo", "kinfocenter", "gnome-system-monitor", "mate-system-monitor", "xfce4-taskmanager"};
}

PathSysInfoLauncher::PathSysInfoLauncher(const ProgramLocator& locator, ProgramStarter& starter, UserInteraction& ui,
                                         std::vector<std::string> candidates)
    : locator_(locator), starter_(starter), ui_(ui), candidates_(std::move(candidates)) {}

void PathSysInfoLauncher::StartSysInfo() {
    for (const std::string& name : candidates_) {
        const std::string path = locator_.FindOnPath(name);
        if (path.empty()) continue;
        if (!starter_.StartDetached(path)) ShowSysInfoUnavailable(ui_);
        return;
    }
    ShowSysInfoUnavailable(ui_);
}

}  // namespace vantrel
