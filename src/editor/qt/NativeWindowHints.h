#pragma once

class QWidget;

// A hint to the window manager that the toolkit has no setting for, given on the native window
// without changing the window's kind, so it keeps its title bar, buttons and borders. On X11 it is
// the EWMH state _NET_WM_STATE_SKIP_TASKBAR, which a client sets on its window before mapping it;
// elsewhere this does nothing.
namespace vantrel {

// Call when the window is about to be shown (from showEvent, which comes before the native window
// is mapped). The window manager drops the state when a window is withdrawn, so every show asks again.
void KeepOutOfTaskbar(QWidget* window);

}  // namespace vantrel
