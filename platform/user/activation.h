// Showing, hiding, activation and the keyboard focus, with the messages Windows sends for each.
#pragma once

#include <windows.h>

namespace kx {

// Makes a hidden window visible; a top-level window is activated unless told not to.
void showWindowNow(HWND hwnd, bool activate);
// Makes a visible window hidden; WM_SHOWWINDOW is sent unless the window is being destroyed.
void hideWindow(HWND hwnd, bool sendShowWindow);
// Moves activation to a top-level window, or away from the program with null.
void activateWindow(HWND next);
// Moves the focus, with WM_KILLFOCUS and WM_SETFOCUS; returns the window that had it.
HWND setFocusTo(HWND hwnd);

}  // namespace kx
