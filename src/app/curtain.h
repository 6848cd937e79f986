// The curtain: a black window over every display, behind the main window, which stays on the
// primary display with the console. With one display there is none. Input over the curtain is
// handed to the main window, so it ends the saver there as anywhere else.
#pragma once

#include <windows.h>

extern HWND hwndCurtain;  // null while there is no curtain

// Creates and shows the curtain when the virtual screen is larger than the rectangle of the
// primary display. A curtain that cannot be made leaves the other displays showing the desktop;
// the saver runs on regardless, so there is nothing to report.
void CreateCurtain(HINSTANCE hInstance, const RECT& primary);
void DestroyCurtain();
