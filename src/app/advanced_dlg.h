// The advanced dialog "DLG_ADVCFG": frame rate, colour scheme and the logo screen's message. It
// changes the application object only; the settings dialog's OK saves the values.
#pragma once

#include <windows.h>

INT_PTR CALLBACK AdvancedDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// 0, or -1 without an application object.
int FillAdvanced(HWND hwnd);
// -1 (after a message box) when the frame rate is not a positive number; the colour scheme and
// the message are taken all the same. -991 when the message cannot be copied.
int ApplyAdvanced(HWND hwnd);
