#pragma once

#include <windows.h>

#include <string>

#include "ui/Twips.h"
#include "ui/WindowDescriptions.h"

// What the splash, About and tutorial windows share: their fonts, child controls placed in
// twips, the hidden window that keeps them out of the taskbar, and the application icon.
namespace vantrel::win32 {

// A font that is deleted with its owner.
class Font {
public:
    Font() = default;
    // The described face at the given resolution; without a named face, the dialog face.
    Font(const ui::FontDescription& description, int dpi);
    Font(const wchar_t* face, double points, bool bold, int dpi = ui::kStandardDpi);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    HFONT get() const { return font_; }

private:
    HFONT font_ = nullptr;
};

// The window's dots per inch: its monitor's where the system tells them per window, otherwise
// the display's; the display's for a null window.
int WindowDpi(HWND window);

RECT ToRect(const ui::PixelRect& pixels);

// The system class that realises a kind of control (STATIC, EDIT, COMBOBOX, BUTTON); null for the
// kinds a window draws itself.
const wchar_t* ControlClassName(ui::ControlKind kind);

// A visible child control from its description: its text, its place (ui::ToPixels at the given
// resolution), the font. The style adds to WS_CHILD | WS_VISIBLE; className overrides the kind's
// system class.
HWND CreateControl(HWND parent, const ui::ControlDescription& control, int id, HFONT font, int dpi, DWORD style = 0,
                   DWORD exStyle = 0, const wchar_t* className = nullptr);

// A visible child control at a rectangle in pixels of its parent's client area (see TwipsRect).
HWND CreateChild(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style, const RECT& place,
                 int id, HFONT font);

// The client rectangle's size in pixels.
SIZE ClientSize(HWND window);
// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child);
// The window's text as UTF-16.
std::wstring WindowText(HWND window);
// The width and height that text takes in the given font on one line; the control's own font
// (WM_GETFONT) when font is null.
SIZE TextExtent(HWND window, HFONT font, const std::wstring& text);

// The text with line breaks ("\r\n") put after the spaces where its lines end, so that no line is
// wider than width pixels in the given font and each holds as many words as fit. Lines break at
// spaces only, never inside a word (the system's own wrapping may part a web address after its
// "/"); a word wider than the width stands alone on its line. Removing the breaks gives the text.
std::wstring BreakLinesAtSpaces(HWND window, HFONT font, const std::wstring& text, int width);

// An invisible top-level window that owns the About and tutorial windows. An owned window has no
// taskbar button, yet keeps the full caption a tool window would lose; the owner is never shown,
// so the windows it owns still act as if they had none: they stay up when the main window is
// minimized, and neither the splash nor the main window sits above or below them.
HWND TaskbarlessOwner();

// The application icon (resource id 1) at the given size, or null when the module has none.
HICON LoadApplicationIcon(int size);

}  // namespace vantrel::win32
