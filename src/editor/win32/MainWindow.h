#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "editor/EditorView.h"
#include "editor/MappingEditor.h"
#include "editor/win32/Win32UserInteraction.h"
#include "editor/win32/frmDelete.h"
#include "targa/Canvas.h"

namespace vantrel {

// The editor's document window: the canvas with the texture, the coordinate frame, and the menu
// bar whose items run the editor's commands.
class MainWindow : public EditorView {
public:
    // ui: the user interaction the commands talk through; the window's own Win32 one when null.
    explicit MainWindow(UserInteraction* ui = nullptr);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    HWND frame() const { return fraInfo; }
    HACCEL accelerators() const { return accelerators_; }
    MappingEditor& editor() { return editor_; }
    Canvas& canvas() { return canvas_; }

    void show(int showCommand = SW_SHOWNORMAL);

    // The commands, as the menu items run them.
    void mnuFileOpen_Click();
    void mnuFileSave_Click() { editor_.Save(); }
    void mnuFileSaveAs_Click() { editor_.SaveAs(); }
    void mnuFileExit_Click();
    void mnuEditComplete_Click() { editor_.CompleteEntry(); }
    void mnuEditBackground_Click() { editor_.SelectBackgroundColor(); }
    void mnuEditDelete_Click() { editor_.DeleteEntry(); }

    // Help menu: main() shows the About dialog and the tutorial window.
    std::function<void()> onAbout;
    std::function<void()> onOnlineTutorial;

    // Reached from the delete dialog.
    const std::vector<std::string>& colNames() const { return editor_.colNames(); }
    std::int32_t& lngRemoveNumber() { return editor_.lngRemoveNumber(); }
    void RemoveEntry() { editor_.RemoveEntry(); }

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
    HWND box(Box which) const;

    // The part of the desktop the window may take: its monitor's work area, or the area given
    // here (for tests).
    RECT availableArea() const;
    void setAvailableArea(const RECT& area) { availableArea_ = area; }
    // How far the canvas is scrolled, in pixels: the content point shown at the client's top left.
    POINT scrollPosition() const { return POINT{scrollX_, scrollY_}; }

    // EditorView
    std::string boxText(Box box) const override;
    void setBoxText(Box box, const std::string& text) override;
    void setWindowWidth(int twips) override;
    void setWindowHeight(int twips) override;
    void setFrameLeft(int twips) override;
    void setFrameTop(double twips) override;
    int frameHeight() const override;
    void showDeleteDialog() override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void buildFrame();
    HMENU buildMenus();
    void buildAccelerators();
    void onCommand(int id);
    void onMouseDown(std::int16_t button, WPARAM keys, LPARAM position);
    void paint(HDC dc, const RECT& area);
    // Sets the window's outer size in pixels, or as much of it as the available area holds, and
    // keeps the window on that area.
    void fitWindow(int outerWidth, int outerHeight);
    // Border, title bar and menu bar around the client area, scroll bars not counted.
    SIZE decorations() const;
    // Shows the scroll bars the content needs at the client's present size.
    void updateScrollBars();
    void scrollTo(int x, int y);
    void onScroll(int bar, WORD request);
    // Makes the next repaint show the canvas as it is now.
    void invalidateCanvas();

    std::unique_ptr<Win32UserInteraction> ownUi_;
    Canvas canvas_;
    MappingEditor editor_;
    HWND hwnd_ = nullptr;
    HWND fraInfo = nullptr;
    HWND txtTop = nullptr;
    HWND txtLeft = nullptr;
    HWND txtBottom = nullptr;
    HWND txtRight = nullptr;
    HWND focusedBox_ = nullptr;
    HFONT frameFont_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::unique_ptr<frmDelete> deleteDialog_;
    double frameTopTwips_ = 0;
    // The scrolled content: the client area the window's fitted size gives, in pixels. Where the
    // window is smaller (a texture larger than the screen) the scroll bars reach the rest.
    int contentWidth_ = 0;
    int contentHeight_ = 0;
    int scrollX_ = 0;
    int scrollY_ = 0;
    std::optional<RECT> availableArea_;
    std::function<void()> endProgram_;
    std::function<void()> closeWindow_;
};

}  // namespace vantrel
