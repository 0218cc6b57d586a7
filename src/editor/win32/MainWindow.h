#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/EditorView.h"
#include "editor/MappingEditor.h"
#include "editor/win32/EntryListWindow.h"
#include "editor/win32/GamePreviewWindow.h"
#include "editor/win32/Win32UserInteraction.h"
#include "editor/win32/frmDelete.h"
#include "platform/win32/Window.h"
#include "targa/Canvas.h"
#include "ui/MenuDescription.h"

namespace vantrel::win32 {

// The accelerator table's entries for a shortcut of the menu description: one per key that types
// it ("+" on its own key, with Shift, and on the keypad); none for an empty shortcut.
std::vector<ACCEL> AcceleratorKeys(const ui::Shortcut& shortcut, WORD command);

// The editor's document window: the canvas with the texture, the coordinate frame, and the menu
// bar whose items run the editor's commands. The frame, its controls and the menu bar are
// realised from the windows' description (ui::MainWindowDescription, ui::MainMenuBar).
class MainWindow : public Window, public EditorView {
public:
    // ui: the user interaction the commands talk through; the window's own Win32 one when null.
    explicit MainWindow(UserInteraction* ui = nullptr);
    ~MainWindow() override;

    HWND frame() const { return control("fraInfo"); }
    // A described control of the frame (Label1, txtTop, ...), or null.
    HWND control(const std::string& name) const;
    HACCEL accelerators() const { return accelerators_; }
    MappingEditor& editor() { return editor_; }
    Canvas& canvas() { return canvas_; }

    void show(int showCommand = SW_SHOWNORMAL);

    // The commands, as the menu items run them.
    void runCommand(ui::Command command);
    void mnuFileOpen_Click();
    void mnuFileSave_Click() { editor_.Save(); }
    void mnuFileSaveAs_Click() { editor_.SaveAs(); }
    void mnuFileExit_Click();
    void mnuEditComplete_Click() { editor_.CompleteEntry(); }
    void mnuEditBackground_Click() { editor_.SelectBackgroundColor(); }
    void mnuEditDelete_Click() { editor_.DeleteEntry(); }
    void mnuHelpAbout_Click();
    void mnuHelpOnline_Click();

    // Help menu: main() shows the About dialog and the tutorial window.
    std::function<void()> onAbout;
    std::function<void()> onOnlineTutorial;

    // Ending the program at once; tests replace it. By default it posts the quit message.
    void setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }
    // What the title bar's close control does once the question about unsaved work lets it: the
    // program ends when its last window is gone, so main() hides this window and waits for the
    // About and tutorial windows. Without one set, the program ends at once.
    void setCloseWindow(std::function<void()> closeWindow) { closeWindow_ = std::move(closeWindow); }

    // The frame's top in twips as last set (a window's position is whole pixels, the value may not be).
    double frameTopTwips() const { return frameTopTwips_; }
    // The delete dialog while it is open, otherwise null.
    frmDelete* deleteDialog() const;
    // The Game Preview window once Ctrl+G made it (it stays, hidden when closed), otherwise null.
    GamePreviewWindow* gamePreview() const { return gamePreview_.get(); }
    HWND box(Box which) const;

    // The part of the desktop the window may take: its monitor's work area, or the area given
    // here (for tests).
    RECT availableArea() const;
    void setAvailableArea(const RECT& area) { availableArea_ = area; }
    // How far the canvas is scrolled, in pixels: the content point shown at the client's top left.
    POINT scrollPosition() const { return POINT{scrollX_, scrollY_}; }
    // The scrolled content's size in pixels: at 100 % the client area the window was fitted for;
    // zoomed, the zoomed texture and, to its right, room to scroll its last column out from under
    // the coordinate frame, which then stays at its place in the window (see zoomedFramePlace).
    SIZE contentSize() const;
    // The entry list once View, Entry List has opened it (it may be hidden), otherwise null.
    EntryListWindow* entryList() const { return entryList_.get(); }

    // EditorView
    std::string boxText(Box box) const override;
    void setBoxText(Box box, const std::string& text) override;
    void setWindowWidth(int twips) override;
    void setWindowHeight(int twips) override;
    void setFrameLeft(int twips) override;
    void setFrameTop(double twips) override;
    int frameHeight() const override;
    void showDeleteDialog() override;
    void overlayChanged() override;
    void zoomChanged(int oldPercent) override;
    void showEntryList() override;
    void showGamePreview() override;

private:
    class CoordinateFrame;

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void buildFrame();
    void buildAccelerators();
    void onMouseDown(std::int16_t button, WPARAM keys, LPARAM position);
    // Ctrl+wheel over the canvas: one zoom step about the texture point under the cursor.
    bool onControlWheel(WPARAM wParam, LPARAM lParam);
    void paint(HDC dc, const RECT& area);
    // The back buffer: a 32-bit top-down DIB section at least as large as the client area, in
    // client coordinates. Made again only when the client grows past it; false when it cannot be.
    bool ensureBackBuffer(int width, int height);
    void releaseBackBuffer();
    // The canvas's texels that fall in the area (client coordinates), each as a z x z square,
    // written into the back buffer; drawn receives the zoomed texture's rectangle.
    void paintCanvas(const RECT& area, RECT& drawn);
    // The overlay's outlines and names over the canvas, those that reach into the area only.
    void paintOverlay(HDC dc, const RECT& area);
    // The part of the canvas the zoom shows: the texture (nothing before one is open).
    SIZE pictureSize() const;
    // The coordinate frame's place: at 100 % it scrolls with the canvas from where the editor put
    // it; zoomed it stays at that place in the window, moved in as far as needed to show whole.
    void placeFrame();
    POINT zoomedFramePlace() const;
    // The View menu's check marks follow the editor's state.
    void updateCheckMarks();
    // Sets the window's outer size in pixels, or as much of it as the available area holds, and
    // keeps the window on that area.
    void fitWindow(int outerWidth, int outerHeight);
    // Border, title bar and menu bar around the client area, scroll bars not counted.
    SIZE decorations() const;
    // The client area the window would have with neither scroll bar.
    SIZE clientWithoutBars() const;
    // Shows each scroll bar while the content is larger than the client area that bar leaves,
    // and hides it when the content fits.
    void updateScrollBars();
    void scrollTo(int x, int y);
    void onScroll(int bar, WORD request);
    // Where the frame, larger on a scaled display than the core counts on, would reach past the
    // content the window was fitted for, the content (and the window) grows just enough to hold it.
    void growToShowFrame();
    // Makes the next repaint show the canvas as it is now.
    void invalidateCanvas();
    void refreshGamePreview();

    std::unique_ptr<Win32UserInteraction> ownUi_;
    Canvas canvas_;
    MappingEditor editor_;
    int dpi_ = ui::kStandardDpi;
    std::unique_ptr<CoordinateFrame> fraInfo_;
    std::map<std::string, HWND> controls_;
    HWND focusedBox_ = nullptr;
    Font frameFont_;
    HACCEL accelerators_ = nullptr;
    std::unique_ptr<frmDelete> deleteDialog_;
    std::unique_ptr<EntryListWindow> entryList_;
    // The font of the overlay's names.
    Font labelFont_;
    // The back buffer (see ensureBackBuffer): its memory device context, bitmap, pixels and size.
    HDC bufferDc_ = nullptr;
    HBITMAP bufferBitmap_ = nullptr;
    HGDIOBJ bufferOldBitmap_ = nullptr;
    std::uint32_t* bufferBits_ = nullptr;
    SIZE bufferSize_{0, 0};
    // The frame's place in the content at 100 % (where the editor puts it), in pixels.
    POINT frameContent_{0, 0};
    // Where the next zoom change keeps the texture point (client coordinates); the view's centre
    // when none is set.
    std::optional<POINT> zoomAnchor_;
    std::unique_ptr<GamePreviewWindow> gamePreview_;
    double frameTopTwips_ = 0;
    // The scrolled content: the client area the window's fitted size gives, in pixels. Where the
    // window is smaller (a texture larger than the screen) the scroll bars reach the rest.
    int contentWidth_ = 0;
    int contentHeight_ = 0;
    int scrollX_ = 0;
    int scrollY_ = 0;
    bool updatingScrollBars_ = false;
    std::optional<RECT> availableArea_;
    std::function<void()> endProgram_;
    std::function<void()> closeWindow_;
};

}  // namespace vantrel::win32
