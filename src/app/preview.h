// The preview: the display settings of Windows start the saver with "/p HWND" (or "/p:HWND") to
// draw it inside a small window of theirs. The saver then runs as a child filling that window's
// client area, takes no single-copy lock, ignores input and ends when its parent goes away.
#pragma once

#include <windows.h>

// The window a "/p" command line names, or null when the first switch is not /p or names no
// existing window (the settings dialog is shown then).
HWND PreviewParent(const char* cmdLine);

// Creates the main window as a child covering the client area of hwndParent. 1 on success.
int CreatePreviewWindow(HINSTANCE hInstance, HWND hwndParent);
