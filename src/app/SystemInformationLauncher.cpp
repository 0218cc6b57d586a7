#include "app/SystemInformationLauncher.h"

#include "ui/AppIdentity.h"

namespace vantrel {

void ShowSysInfoUnavailable(UserInteraction& ui) {
    ui.message(kSysInfoUnavailableMessage, kApplicationTitle, MessageIcon::None);
}

}  // namespace vantrel
