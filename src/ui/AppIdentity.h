#pragma once

#include <string>

#include "vantrel/Version.h"

// The application's identity: its title, the version line the splash and About show, and the
// support site the About text and the tutorial page start from. The editor, the start-up windows
// and vantrel-check all read it from here.
namespace vantrel {

inline constexpr const char* kApplicationTitle = "Vantrel";
inline constexpr const char* kMainWindowCaption = "Vantrel 2.0";
inline constexpr const char* kCompanyName = "Kestwin";
// The support site; the tutorial page and the About text both start from it.
inline constexpr const char* kSupportSiteAddress = "https://vantrel.example.org/";
inline constexpr const char* kTutorialPage = "page.php?file=vantrel_use";

inline std::string VersionLine() {
    return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

inline std::string TutorialAddress() { return std::string(kSupportSiteAddress) + kTutorialPage; }

}  // namespace vantrel
