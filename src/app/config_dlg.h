// The settings dialog "DLG_CONFIG": the five screens, animation and seconds per screen. Its OK is
// the only place where the settings are written to "Kalyx.ini".
#pragma once

#include <windows.h>

INT_PTR CALLBACK ConfigDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
