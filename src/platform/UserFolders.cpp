#include "platform/UserFolders.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#include <shlobj.h>

#include "platform/WideText.h"
#endif

namespace vantrel {

std::string HomeFolder() {
#ifdef _WIN32
    // The wide environment keeps characters outside the ANSI code page ("C:\Users\Zoë" on a
    // Japanese system); getenv would hand back code-page bytes or question marks.
    if (const wchar_t* profile = _wgetenv(L"USERPROFILE"); profile && *profile) return WideToUtf8(profile);
    wchar_t folder[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PROFILE, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return WideToUtf8(folder);
    return {};
#else
    const char* home = std::getenv("HOME");
    return home ? std::string(home) : std::string();
#endif
}

}  // namespace vantrel
