#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Driving real windows from a test: the message loop, real input through SendInput, and
// what a window looks like from outside.
namespace vantrel::test {

// Windows whose dialog keys the loop serves (as the program's loop does for its modeless windows).
void SetDialogWindows(std::vector<HWND> windows);

// Whether the loop met a quit request since the last call.
bool TakeQuitRequest();

// Runs the message loop for the given time, or until done() holds; PumpUntil returns done().
void PumpFor(int milliseconds);
bool PumpUntil(const std::function<bool()>& done, int milliseconds = 3000);

// A left click at a point on the screen, and key strokes (each key pressed and released; the
// modifier held while the key goes down and up), through the system's input queue.
void ClickAt(POINT screen);
void PressKey(WORD virtualKey, WORD modifier = 0);

// The screen point at the centre of a window.
POINT CentreOf(HWND window);
RECT ChildRectOf(HWND child);
int Width(const RECT& rect);
int Height(const RECT& rect);

// How many visible top-level windows of this process have the class.
int CountVisibleWindows(const wchar_t* className);

// Makes the window the foreground window and waits until it is.
bool Activate(HWND window);

}  // namespace vantrel::test
