// The password dialog procedures that outside callers find by name in Kalyx32.scr.
//
// They have C linkage so that their names are not mangled; kalyx32.def exports them without the
// stdcall decoration. A definition that includes this header first inherits the linkage.
#pragma once

#include <windows.h>

extern "C" {
// Dialog procedures return INT_PTR (a BOOL on 32-bit Windows), so they fit DLGPROC on both platforms.
INT_PTR CALLBACK DlgGetPasswordProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DlgSetPasswordProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DlgProcCallback(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
}
