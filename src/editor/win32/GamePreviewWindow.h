#pragma once

#include <windows.h>

#include "editor/GamePreview.h"
#include "platform/win32/Window.h"

namespace vantrel {
class MappingEditor;
}

namespace vantrel::win32 {

// View, Game Preview (Ctrl+G): a small modeless tool window, built from
// ui::GamePreviewDescription(), with what the game draws for the main window's current rectangle
// (editor/GamePreview.h): the cut at 1x and at 2x (nearest neighbour: each picture pixel one screen
// pixel, then a 2 x 2 square), its size, and the note on what the game leaves out. Owned by the
// main window, so it stays above it and out of the taskbar. Closing it hides it; the main window
// calls refresh() when a box's text changes and when a texture opens.
class GamePreviewWindow : public Window {
public:
    GamePreviewWindow(const MappingEditor& editor, HWND owner);
    ~GamePreviewWindow() override;

    void refresh();
    // Shows the window without taking the focus from the main window's boxes.
    void show();
    bool isShown() const { return hwnd() && IsWindowVisible(hwnd()); }

    HWND sizeLabel() const { return lblSize_; }
    HWND noteLabel() const { return lblNote_; }
    // The pictures' squares in the window's client area, in pixels.
    RECT actualPlace() const { return actualPlace_; }
    RECT doublePlace() const { return doublePlace_; }
    const GamePreviewPicture& shown() const { return shown_; }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint(HDC dc);

    const MappingEditor& editor_;
    GamePreview preview_;
    GamePreviewPicture shown_;
    Font font_;
    HWND lblSize_ = nullptr;
    HWND lblNote_ = nullptr;
    RECT actualPlace_{};
    RECT doublePlace_{};
};

}  // namespace vantrel::win32
