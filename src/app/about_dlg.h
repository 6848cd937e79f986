// The About box "DLG_ABOUT": title, version, credits and notice, framed by bevels drawn over the
// dialog after it has painted itself.
#pragma once

#include <windows.h>

// Posted by WM_PAINT, so the bevels come after the dialog's own painting.
constexpr UINT WM_ABOUT_DECORATE = WM_USER + 10;

INT_PTR CALLBACK AboutDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
