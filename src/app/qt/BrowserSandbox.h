#pragma once

// The embedded browser's sandbox. Chromium refuses to start sandboxed as root, so the tutorial
// window would stay blank for an administrator; only then is the sandbox turned off, and only
// unless the environment already decides. Call before the QApplication is created.
namespace vantrel {

void DisableBrowserSandboxWhenRoot();

}  // namespace vantrel
