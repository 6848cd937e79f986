// The dialog manager's inside: creating a dialog from a template, its modal loop, and the state
// every dialog window keeps.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "user/dialog_template.h"
#include "user/dialog_units.h"

namespace kx {

struct DialogState {
  DLGPROC proc = nullptr;
  HFONT font = nullptr;  // owned; null when the template names no font (SYSTEM_FONT serves)
  DialogBaseUnits base;
  std::vector<HWND> controls;  // template order: the tab order
  HWND lastFocus = nullptr;
  bool ended = false;
  INT_PTR result = 0;
  bool shiftDown = false;
  int procDepth = 0;  // > 0 while the dialog procedure runs
};

DialogState* findDialog(HWND hwnd);

// The base units of the system font, which GetDialogBaseUnits reports.
DialogBaseUnits systemDialogBaseUnits();

// Creates the dialog and its controls, hidden, and sends WM_INITDIALOG. Null on failure.
HWND createDialog(const DialogTemplate& dialog, HINSTANCE instance, HWND owner, DLGPROC proc, LPARAM param);

// Shows the dialog, disables the owner, runs the loop until EndDialog, destroys the dialog and
// returns EndDialog's value; -1 when the dialog cannot be created.
INT_PTR runModalDialog(const DialogTemplate& dialog, HINSTANCE instance, HWND owner, DLGPROC proc,
                       LPARAM param);

LRESULT CALLBACK dialogWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace kx
