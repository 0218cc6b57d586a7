#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "ui/Twips.h"

// What every window of the program shows, once for both front ends: each window's caption,
// design client area and controls (name, kind, text, place in twips, tab index, face), and the
// texts they carry. A front end realises a window by walking its description; its tests check
// the real window against the same description.
namespace vantrel::ui {

enum class ControlKind { Frame, Label, TextBox, ComboBox, Button, Picture, Image, Line, Browser, ListBox };

// A face for a control's text. Without a named face the control takes the front end's dialog face
// (a face with Arial's metrics on Linux, the system's dialog face on Windows).
struct FontDescription {
    double points = 8;
    bool bold = false;
    const char* face = nullptr;
};

inline constexpr FontDescription kDialogFont{8, false, nullptr};

struct ControlDescription {
    const char* name;
    // The index within a control array (imgLogo(0), Line1(1)); -1 for a control of its own.
    int index;
    ControlKind kind;
    // The design caption or text; empty for controls without one.
    const char* text;
    // Relative to the parent's client area. A line's height is its thickness.
    TwipsRect place;
    // The keyboard order among the controls that take the focus; -1 for none.
    int tabIndex;
    FontDescription font;
    // The control it sits in; null for the window's client area.
    const char* parent;
    // A line's colour, 0xRRGGBB; black text on labels that ask for it (kBlackText).
    std::uint32_t colour;
};

// Labels whose text is black whatever the desktop's colours say.
inline constexpr std::uint32_t kBlackText = 0x000000;
// Labels and controls that keep the desktop's text colour.
inline constexpr std::uint32_t kDefaultColour = 0xFFFFFFFF;

struct WindowDescription {
    const char* name;
    // The caption as designed; windows whose caption is set on load say so in their own texts.
    const char* caption;
    // The design client area. Its left and top are the client's place on the screen for a window
    // with a stored place (About); 0 where the system places the window.
    TwipsRect client;
    bool storedPlace;
    std::span<const ControlDescription> controls;

    // The named control (and index within an array). Throws std::out_of_range when the window has none.
    const ControlDescription& control(std::string_view controlName, int controlIndex = -1) const;
};

const WindowDescription& MainWindowDescription();
const WindowDescription& DeleteDialogDescription();
const WindowDescription& AboutDescription();
const WindowDescription& SplashDescription();
const WindowDescription& OnlineTutorialDescription();
// The entry-name question (a front end may use its toolkit's own input dialog instead).
const WindowDescription& InputBoxDescription();
// View, Entry List: a small modeless tool window listing every entry's first line in the
// document's order; choosing one selects it. Sizable; the list fills the client area.
const WindowDescription& EntryListDescription();

// View, Game Preview: a small modeless tool window with what the game draws for the rectangle
// being picked. lblSize and lblNote take their texts at run time; picActual shows the cut one
// picture pixel to one screen pixel, picDouble at twice that (each pixel a 2 x 2 square), both
// from their top-left corners and clipped to their squares.
const WindowDescription& GamePreviewDescription();

// Every window, for tests that walk them all.
std::span<const WindowDescription* const> AllWindowDescriptions();

// Texts that are not a control's design text.
namespace texts {
// About: the caption is this and the application's title, set on load.
inline constexpr const char* kAboutCaptionPrefix = "About ";
// About: the description, followed by the support site's address (two blanks after the full stop).
inline constexpr const char* kAboutDescriptionLead =
    "Vantrel v2.0 is a graphical cameo mapping tool for modifying Command and Conquer Generals and the Zero "
    "Hour expansion.  For instructions, visit ";
std::string AboutDescription();
std::string AboutCaption();
}  // namespace texts

// Splash: shown this long unless a click or a key dismisses it first.
inline constexpr int kSplashDisplayMilliseconds = 2000;
// Tutorial: the browser stands at 120, 120 twips and is this much smaller than the area each way.
inline constexpr int kBrowserMarginTwips = 100;
// Tutorial: how long the tutorial address may take before the page shipped inside the program is
// shown instead.
inline constexpr int kTutorialLoadTimeoutMilliseconds = 15000;

// The browser's size in twips for an area (client or outer size) of the given twips: the margin
// less each way, never below 0.
struct TwipsSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipsSize&, const TwipsSize&) = default;
};
TwipsSize BrowserSizeTwips(TwipsSize area);

}  // namespace vantrel::ui
