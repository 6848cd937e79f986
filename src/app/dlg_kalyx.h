// The application object that the settings dialogs edit. Each dialog takes it from lpKalyx when it
// opens and keeps it in its DWLP_USER, so that every later message works on the same object.
#pragma once

#include <windows.h>

#include "app/globals.h"
#include "app/kalyx.h"

inline CKalyx* AttachKalyx(HWND hDlg) {
  SetWindowLongPtrA(hDlg, DWLP_USER, reinterpret_cast<LONG_PTR>(lpKalyx));
  return lpKalyx;
}

// Null before WM_INITDIALOG or when there was no application object.
inline CKalyx* KalyxOf(HWND hDlg) {
  return reinterpret_cast<CKalyx*>(GetWindowLongPtrA(hDlg, DWLP_USER));
}
