// The system information launcher where there is no Windows registry: the search path.
#ifndef _WIN32
#include <memory>

#include "app/PathSysInfoLauncher.h"
#include "app/PosixProgramServices.h"

namespace vantrel {

namespace {

class PathSystemInformation final : public SystemInformationLauncher {
public:
    explicit PathSystemInformation(UserInteraction& ui) : launcher_(locator_, starter_, ui) {}
    void StartSysInfo() override { launcher_.StartSysInfo(); }

private:
    PosixProgramLocator locator_;
    PosixProgramStarter starter_;
    PathSysInfoLauncher launcher_;
};

}  // namespace

std::unique_ptr<SystemInformationLauncher> MakeSystemInformationLauncher(UserInteraction& ui) {
    return std::make_unique<PathSystemInformation>(ui);
}

}  // namespace vantrel
#endif
