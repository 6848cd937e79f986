// The settings dialog "DLG_CONFIG": the five screens, animation and seconds per screen. Its OK is
// the only place where the settings are written to "Kalyx.ini".
#pragma once

#include <windows.h>

INT_PTR CALLBACK ConfigDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Shows the application object's values. 0, or -1 without an application object.
int FillConfig(HWND hwnd);
// Takes the dialog's values and saves every setting; -1 (after a message box) when the seconds
// are not a number of 0 or more, or no screen is chosen, and then nothing is saved.
int ApplyConfig(HWND hwnd);
