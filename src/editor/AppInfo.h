#pragma once

#include <string>

#include "vantrel/Version.h"

// The application's title, version line and support site, shared by the main window, the
// document header, the splash window, the About dialog and the tutorial window.
namespace vantrel {

inline constexpr const char* kApplicationTitle = "Vantrel";
inline constexpr const char* kMainWindowCaption = "Vantrel 2.0";
// The support site; the tutorial page and the About text both start from it.
inline constexpr const char* kSupportSiteAddress = "https://vantrel.example.org/";
inline constexpr const char* kTutorialPage = "page.php?file=vantrel_use";

inline std::string VersionLine() {
    return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

inline std::string TutorialAddress() { return std::string(kSupportSiteAddress) + kTutorialPage; }

}  // namespace vantrel
