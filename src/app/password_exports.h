// The password dialog procedures that outside callers find by name in Kalyx32.scr.
//
// They have C linkage so that their names are not mangled; kalyx32.def exports them without the
// stdcall decoration. A definition that includes this header first inherits the linkage.
#pragma once

#include <windows.h>

extern "C" {
BOOL CALLBACK DlgGetPasswordProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL CALLBACK DlgSetPasswordProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DlgProcCallback(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
}
