#include "app/qt/BrowserSandbox.h"

#include <cstdlib>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace vantrel {

void DisableBrowserSandboxWhenRoot() {
#ifndef _WIN32
    if (geteuid() == 0 && !std::getenv("QTWEBENGINE_DISABLE_SANDBOX")) setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
#endif
}

}  // namespace vantrel
