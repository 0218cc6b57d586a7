#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

// Helpers for tests that create real windows on the test thread.
namespace vantrel::test {

// Under Wine the windows need an X display; without one the display-less driver makes up the
// geometry and pixels these tests check. On Windows there is always a display.
bool NoDisplayForWine();
#define SKIP_WITHOUT_DISPLAY()                                                                   \
    do {                                                                                         \
        if (::vantrel::test::NoDisplayForWine())                                                 \
            GTEST_SKIP() << "no X display for Wine: run these tests under xvfb-run";             \
    } while (0)

// The display's resolution the windows are laid out for (96 unless the session is scaled).
int TestDpi();

// Handles waiting messages through the program's own loop step for about `milliseconds`.
void PumpFor(int milliseconds);
// Pumps until `done` answers true or `milliseconds` pass; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int milliseconds = 3000);

std::wstring TextOf(HWND window);
// The window's rectangle in its parent's client coordinates (screen coordinates for a top window).
RECT RectInParent(HWND window);
int Width(const RECT& rect);
int Height(const RECT& rect);
// The extent of `text` in the font the control uses.
SIZE TextExtent(HWND control, const std::wstring& text);

// Sends a mouse press to whichever window the system would give it: the one under the point.
// Returns that window.
HWND PressAt(HWND topLevel, POINT client, UINT buttonMessage, WPARAM buttonData = 0);

// Posts a key to the window with the focus and lets the loop handle it, with Ctrl and Shift held or not.
void PressKey(HWND target, UINT virtualKey, bool control = false, bool shift = false);

// Answers the next modal dialog of this thread whose caption is `title` (any, when empty): when it shows, `act` runs
// on it. A dialog still open three seconds after that is cancelled, so a broken test fails
// instead of hanging. Check `DialogAnswered()` afterwards.
void AnswerDialog(const std::wstring& title, std::function<void(HWND)> act);
bool DialogAnswered();
bool DialogHadToBeCancelled();

// Clicks a push button of a dialog the way a user would (press and release).
void ClickButton(HWND dialog, int id);

}  // namespace vantrel::test
