#pragma once

#include <windows.h>

// The one message loop of the program. Before a message is dispatched it goes through the main
// window's accelerator table (so the menu shortcuts work while a coordinate box has the focus) and
// then through dialog navigation (Tab between boxes) of the window it belongs to.
namespace vantrel::win32 {

class MainWindow;

// Windows whose controls take Tab and arrow-key navigation: the main window, the delete dialog
// and any other modeless window of the program.
void RegisterModelessWindow(HWND window);
void UnregisterModelessWindow(HWND window);

// The accelerator table and the window it serves; its shortcuts act only while that window or one
// of its children has the message.
void SetAcceleratorTarget(HWND window, HACCEL table);
// Forgets the accelerator table when `window` is the one it serves.
void ClearAcceleratorTarget(HWND window);

// Accelerators and dialog navigation; true when the message was handled and must not be dispatched.
bool PreTranslateMessage(MSG& message);

// Handles every message already waiting, as the loop would; used while a texture paints. A quit
// request met on the way is posted again for the main loop and ends the pumping.
void PumpPendingMessages();

// Runs until PostQuitMessage; returns the exit code it carried.
int RunMessageLoop(MainWindow& mainWindow);

}  // namespace vantrel::win32
