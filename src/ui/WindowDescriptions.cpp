#include "ui/WindowDescriptions.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "ui/AppIdentity.h"

namespace vantrel::ui {

namespace {

constexpr FontDescription kAboutTitleFont{14, true, nullptr};
constexpr FontDescription kSplashVersionFont{12, true, "Arial"};
constexpr FontDescription kSplashCreditFont{8.25, false, "Arial"};

using K = ControlKind;

// The main window: the coordinate frame and its eight controls, placed relative to the frame.
// The frame's tab index is 0; the boxes follow in the order Top, Left, Bottom, Right.
constexpr std::array kMainWindowControls{
    ControlDescription{"fraInfo", -1, K::Frame, "", {2520, 1320, 2535, 1215}, 0, kDialogFont, nullptr, kDefaultColour},
    ControlDescription{"Label1", -1, K::Label, "Top:", {120, 240, 375, 255}, 1, kDialogFont, "fraInfo", kDefaultColour},
    ControlDescription{"txtTop", -1, K::TextBox, "", {600, 240, 495, 285}, 5, kDialogFont, "fraInfo", kDefaultColour},
    ControlDescription{"Label2", -1, K::Label, "Left:", {1200, 240, 375, 255}, 2, kDialogFont, "fraInfo", kDefaultColour},
    ControlDescription{"txtLeft", -1, K::TextBox, "", {1680, 240, 495, 285}, 6, kDialogFont, "fraInfo", kDefaultColour},
    ControlDescription{"Label3", -1, K::Label, "Bottom:", {120, 720, 615, 255}, 3, kDialogFont, "fraInfo",
                       kDefaultColour},
    ControlDescription{"txtBottom", -1, K::TextBox, "", {720, 720, 495, 285}, 7, kDialogFont, "fraInfo",
                       kDefaultColour},
    ControlDescription{"Label4", -1, K::Label, "Right:", {1320, 720, 495, 255}, 4, kDialogFont, "fraInfo",
                       kDefaultColour},
    ControlDescription{"txtRight", -1, K::TextBox, "", {1920, 720, 495, 285}, 8, kDialogFont, "fraInfo",
                       kDefaultColour},
};

constexpr std::array kDeleteDialogControls{
    ControlDescription{"cmbDelete", -1, K::ComboBox, "", {0, 0, 3495, 315}, 0, kDialogFont, nullptr, kDefaultColour},
    ControlDescription{"cmdDelete", -1, K::Button, "Delete Selected", {1080, 360, 1335, 375}, 1, kDialogFont, nullptr,
                       kDefaultColour},
};

constexpr std::array kAboutControls{
    ControlDescription{"cmdOK", -1, K::Button, "OK", {4245, 2625, 1260, 345}, 0, kDialogFont, nullptr, kDefaultColour},
    ControlDescription{"picIcon", -1, K::Picture, "", {240, 240, 540, 540}, 1, kDialogFont, nullptr, kDefaultColour},
    ControlDescription{"cmdSysInfo", -1, K::Button, "&System Info...", {4260, 3075, 1245, 345}, 2, kDialogFont, nullptr,
                       kDefaultColour},
    ControlDescription{"lblDescription", -1, K::Label, "", {1050, 1125, 3885, 1170}, 3, kDialogFont, nullptr,
                       kBlackText},
    ControlDescription{"lblDisclaimer", -1, K::Label,
                       "Copyright (C) Kestwin. All rights reserved. Vantrel is not made or endorsed by the game's "
                       "makers.",
                       {255, 2625, 3870, 825}, 4, kDialogFont, nullptr, kBlackText},
    ControlDescription{"lblTitle", -1, K::Label, "Application Title", {1050, 240, 3885, 480}, 5, kAboutTitleFont,
                       nullptr, kBlackText},
    ControlDescription{"lblVersion", -1, K::Label, "Version", {1050, 780, 3885, 225}, 6, kDialogFont, nullptr,
                       kDefaultColour},
    // The etched separator: a grey hairline from 90, 2445 to 5654, 2445 and a white line two
    // pixels wide from 105, 2460 to 5654, 2460 under it.
    ControlDescription{"Line1", 1, K::Line, "", {90, 2445, 5654 - 90, 15}, -1, kDialogFont, nullptr, 0x808080},
    ControlDescription{"Line1", 0, K::Line, "", {105, 2460, 5654 - 105, 30}, -1, kDialogFont, nullptr, 0xFFFFFF},
};

// Everything lies inside Frame1, placed relative to it. The banners are 400 x 55 pixels, the size
// of their places at 15 twips to the pixel.
constexpr std::array kSplashControls{
    ControlDescription{"Frame1", -1, K::Frame, "", {120, 120, 7080, 4050}, 0, kDialogFont, nullptr, kDefaultColour},
    ControlDescription{"imgLogo", 0, K::Image, "", {600, 240, 6000, 825}, -1, kDialogFont, "Frame1", kDefaultColour},
    ControlDescription{"imgLogo", 1, K::Image, "", {600, 2040, 6000, 825}, -1, kDialogFont, "Frame1", kDefaultColour},
    ControlDescription{"lblVersion", -1, K::Label, "Version", {2640, 1440, 885, 285}, -1, kSplashVersionFont, "Frame1",
                       kDefaultColour},
    ControlDescription{"lblCompany", -1, K::Label, "Written by Kestwin", {120, 3360, 2415, 255}, -1, kSplashCreditFont,
                       "Frame1", kDefaultColour},
    ControlDescription{"lblWarning", -1, K::Label,
                       "With thanks to everyone who shared what they learned about reading Targa textures.",
                       {150, 3660, 6855, 195}, -1, kSplashCreditFont, "Frame1", kDefaultColour},
};

constexpr std::array kOnlineTutorialControls{
    ControlDescription{"WebBrowser1", -1, K::Browser, "", {120, 120, 4455, 2895}, 0, kDialogFont, nullptr,
                       kDefaultColour},
};

// The input box the editor asks for an entry's name with: the prompt top left, OK and Cancel on
// the right, the answer across the bottom. Its caption is the question's title.
constexpr std::array kInputBoxControls{
    ControlDescription{"lblPrompt", -1, K::Label, "", {165, 165, 3825, 1365}, -1, kDialogFont, nullptr,
                       kDefaultColour},
    ControlDescription{"txtInput", -1, K::TextBox, "", {165, 1710, 5070, 345}, 0, kDialogFont, nullptr,
                       kDefaultColour},
    ControlDescription{"cmdOK", -1, K::Button, "OK", {4140, 165, 1125, 345}, 1, kDialogFont, nullptr, kDefaultColour},
    ControlDescription{"cmdCancel", -1, K::Button, "Cancel", {4140, 615, 1125, 345}, 2, kDialogFont, nullptr,
                       kDefaultColour},
};

// The entry list: one list box filling the client area inside a 60-twip margin.
constexpr std::array kEntryListControls{
    ControlDescription{"lstEntries", -1, K::ListBox, "", {60, 60, 3480, 4680}, 0, kDialogFont, nullptr,
                       kDefaultColour},
};

const WindowDescription kMainWindow{"MainWindow", kMainWindowCaption, {0, 0, 5145, 3195}, false, kMainWindowControls};
// Game Preview: the size line and the note (up to four lines) across the top, then the cut at its own size and at
// twice its size, each in a square that shows 128 and 256 pixels of it.
constexpr std::array kGamePreviewControls{
    ControlDescription{"lblSize", -1, K::Label, "", {120, 120, 5880, 255}, -1, kDialogFont, nullptr, kDefaultColour},
    ControlDescription{"lblNote", -1, K::Label, "", {120, 375, 5880, 900}, -1, kDialogFont, nullptr, kDefaultColour},
    ControlDescription{"lblActual", -1, K::Label, "1\xC3\x97", {120, 1335, 1920, 225}, -1, kDialogFont, nullptr,
                       kDefaultColour},
    ControlDescription{"lblDouble", -1, K::Label, "2\xC3\x97", {2160, 1335, 3840, 225}, -1, kDialogFont, nullptr,
                       kDefaultColour},
    ControlDescription{"picActual", -1, K::Picture, "", {120, 1590, 1920, 1920}, -1, kDialogFont, nullptr,
                       kDefaultColour},
    ControlDescription{"picDouble", -1, K::Picture, "", {2160, 1590, 3840, 3840}, -1, kDialogFont, nullptr,
                       kDefaultColour},
};

const WindowDescription kDeleteDialog{"frmDelete", "Delete Entry", {0, 0, 3480, 810}, false, kDeleteDialogControls};
const WindowDescription kAbout{"frmAbout", "", {2340, 1935, 5730, 3555}, true, kAboutControls};
const WindowDescription kSplash{"frmSplash", "", {0, 0, 7380, 4245}, false, kSplashControls};
const WindowDescription kOnlineTutorial{"frmOnlineTut", "Online Tutorial", {0, 0, 4680, 3195}, false,
                                        kOnlineTutorialControls};

const WindowDescription kEntryList{"frmEntries", "Entries", {0, 0, 3600, 4800}, false, kEntryListControls};

const WindowDescription kInputBox{"InputBox", "", {0, 0, 5400, 2250}, false, kInputBoxControls};

const WindowDescription kGamePreview{"frmGamePreview", "Game Preview", {0, 0, 6120, 5550}, false,
                                     kGamePreviewControls};

const std::array<const WindowDescription*, 8> kAllWindows{
    &kMainWindow, &kDeleteDialog, &kAbout, &kSplash, &kOnlineTutorial, &kInputBox, &kEntryList, &kGamePreview};

}  // namespace

const ControlDescription& WindowDescription::control(std::string_view controlName, int controlIndex) const {
    const auto found = std::find_if(controls.begin(), controls.end(), [&](const ControlDescription& c) {
        return controlName == c.name && c.index == controlIndex;
    });
    if (found == controls.end())
        throw std::out_of_range(std::string(name) + " has no control " + std::string(controlName));
    return *found;
}

const WindowDescription& MainWindowDescription() { return kMainWindow; }
const WindowDescription& DeleteDialogDescription() { return kDeleteDialog; }
const WindowDescription& AboutDescription() { return kAbout; }
const WindowDescription& SplashDescription() { return kSplash; }
const WindowDescription& OnlineTutorialDescription() { return kOnlineTutorial; }
const WindowDescription& InputBoxDescription() { return kInputBox; }
const WindowDescription& EntryListDescription() { return kEntryList; }
const WindowDescription& GamePreviewDescription() { return kGamePreview; }

std::span<const WindowDescription* const> AllWindowDescriptions() { return kAllWindows; }

std::string texts::AboutDescription() { return std::string(kAboutDescriptionLead) + kSupportSiteAddress; }

std::string texts::AboutCaption() { return std::string(kAboutCaptionPrefix) + kApplicationTitle; }

TwipsSize BrowserSizeTwips(TwipsSize area) {
    return TwipsSize{std::max(0, area.width - kBrowserMarginTwips), std::max(0, area.height - kBrowserMarginTwips)};
}

}  // namespace vantrel::ui
