#include "app/SystemInformationLauncher.h"

#include "editor/AppInfo.h"

namespace vantrel {

void ShowSysInfoUnavailable(UserInteraction& ui) {
    ui.message(kSysInfoUnavailableMessage, kApplicationTitle, MessageIcon::None);
}

}  // namespace vantrel
