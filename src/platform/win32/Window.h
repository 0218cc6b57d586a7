#pragma once

#include <windows.h>

#include <string>

#include "ui/WindowDescriptions.h"

// The one window layer every Win32 window of the program stands on: a class registered once, a
// window procedure that finds its object, one virtual message handler, and a clear lifetime. The
// helpers below are what the windows share: fonts and child controls realised from the windows'
// description at the display's resolution, window text in UTF-8 and UTF-16, and text extents.
namespace vantrel::win32 {

// What a window class needs beyond its name; every class of the program uses Window's procedure.
struct WindowClass {
    const wchar_t* name;
    HCURSOR cursor = nullptr;         // the arrow when null
    HBRUSH background = nullptr;      // none: the window paints every pixel
    bool applicationIcon = false;     // the program's icon (resource 1) in the caption and taskbar
};

// A top-level or child window whose messages go to handleMessage. The object owns the window:
// destroying the object destroys a live window; a window destroyed first (by the system, or by
// close()) leaves the object with a null handle, and onDestroyed() tells the derived class.
class Window {
public:
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }
    bool isOpen() const { return hwnd_ != nullptr; }
    // The window's dots per inch: its monitor's where the system tells them per window, otherwise
    // the display's.
    int dpi() const;

protected:
    Window() = default;

    // Registers the class the first time it is asked for, then creates the window with this
    // object as its owner. Returns the handle (null on failure).
    HWND create(const WindowClass& windowClass, DWORD exStyle, const std::wstring& caption, DWORD style, int x, int y,
                int width, int height, HWND parent = nullptr, HMENU menu = nullptr);

    // Every message of the window; the default is the system's own handling.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // After the window is gone (WM_NCDESTROY): the handle is already null.
    virtual void onDestroyed() {}

    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

    // Destroys a live window without calling back into this object: a derived class calls it
    // from its destructor, before its members go.
    void destroy();

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// The window's dots per inch (see Window::dpi); the display's for a null window.
int WindowDpi(HWND window);

// A font that is deleted with its owner.
class Font {
public:
    Font() = default;
    // The described face at the given resolution; without a named face, the dialog face.
    Font(const ui::FontDescription& description, int dpi);
    // A named face of the given size in points at the given resolution.
    Font(const wchar_t* face, double points, bool bold, int dpi = ui::kStandardDpi);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    Font(Font&& other) noexcept : font_(other.font_) { other.font_ = nullptr; }
    Font& operator=(Font&& other) noexcept;
    HFONT get() const { return font_; }

private:
    HFONT font_ = nullptr;
};

// The face the editor's windows are laid out for when the description names none.
inline constexpr wchar_t kDialogFace[] = L"Tahoma";

// The system class that realises a kind of control (STATIC, EDIT, COMBOBOX, BUTTON); null for the
// kinds a window draws itself.
const wchar_t* ControlClassName(ui::ControlKind kind);

// A visible child control from its description: its text, its place (ui::ToPixels at the given
// resolution), the font. The style adds to WS_CHILD | WS_VISIBLE and the kind's own style bits;
// className overrides the kind's system class.
HWND CreateControl(HWND parent, const ui::ControlDescription& control, int id, HFONT font, int dpi, DWORD style = 0,
                   DWORD exStyle = 0, const wchar_t* className = nullptr);

// A visible child control at a rectangle in pixels of its parent's client area.
HWND CreateChild(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style, const RECT& place,
                 int id, HFONT font);

RECT ToRect(const ui::PixelRect& pixels);

// The client rectangle's size in pixels.
SIZE ClientSize(HWND window);
// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child);
// The window's text as UTF-16 and as UTF-8.
std::wstring WindowText(HWND window);
std::string WindowTextUtf8(HWND window);
void SetWindowTextUtf8(HWND window, const std::string& text);
// The width and height that text takes in the given font on one line; the control's own font
// (WM_GETFONT) when font is null.
SIZE TextExtent(HWND window, HFONT font, const std::wstring& text);

// The text with line breaks ("\r\n") put after the spaces where its lines end, so that no line is
// wider than width pixels in the given font and each holds as many words as fit. Lines break at
// spaces only, never inside a word (the system's own wrapping may part a web address after its
// "/"); a word wider than the width stands alone on its line. Removing the breaks gives the text.
std::wstring BreakLinesAtSpaces(HWND window, HFONT font, const std::wstring& text, int width);

// The start position of a window created at CW_USEDEFAULT. Windows chooses a cascading place;
// Wine chooses the work area's top-left corner and hands it to the X11 window manager as the
// program's own position, which the managers keep, so the window would open over whatever sits
// in that corner. Where the system's choice is that corner, the window is centred as a window
// manager places a new window: on `over` (an owner's window) or, without one, on the work area,
// kept on it. Call before the window is first shown.
void PlaceStartPosition(HWND window, HWND over = nullptr);

// A tool window's first place: beside its owner, on the side given first where the work area has
// room there, else on the other side, else as far that way as the work area allows (over the
// owner's edge), its top level with the owner's. Keeps the owner's canvas in view.
enum class Side { Right, Left };
void PlaceBeside(HWND window, HWND owner, Side first);

// An invisible top-level window that owns the windows that stay out of the taskbar (About, the
// tutorial, the delete dialog). An owned window has no taskbar button, yet keeps the full caption
// and the window manager's frame a tool window would lose; the owner is never shown, so the
// windows it owns still act as if they had none: they stay up when the main window is minimized,
// and neither the splash nor the main window sits above or below them.
HWND TaskbarlessOwner();

// The application icon (resource id 1) at the given size, or null when the module has none.
HICON LoadApplicationIcon(int size);

}  // namespace vantrel::win32
