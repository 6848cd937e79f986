// The calls that reach a dialog's controls by id, and the dialog-unit conversions.
#include <algorithm>
#include <vector>

#include "user/dialog_item_int.h"
#include "user/dialog_manager.h"
#include "user/window.h"

using namespace kx;

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  Window* dialog = checkWindow(hDlg);
  if (!dialog) return nullptr;
  for (HWND child : dialog->children) {
    Window* control = findWindow(child);
    if (control && static_cast<int>(control->id) == nIDDlgItem) return child;
  }
  SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hWnd) {
  Window* window = checkWindow(hWnd);
  return window && window->isChild() ? static_cast<int>(window->id) : 0;
}

BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
  HWND control = GetDlgItem(hDlg, nIDDlgItem);
  return control ? static_cast<BOOL>(SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)))
                 : FALSE;
}

UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
  HWND control = GetDlgItem(hDlg, nIDDlgItem);
  if (!control) {
    if (lpString && cchMax > 0) lpString[0] = '\0';
    return 0;
  }
  return static_cast<UINT>(SendMessageA(control, WM_GETTEXT, static_cast<WPARAM>(std::max(cchMax, 0)),
                                        reinterpret_cast<LPARAM>(lpString)));
}

BOOL WINAPI SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned) {
  return SetDlgItemTextA(hDlg, nIDDlgItem, formatDialogInt(uValue, bSigned != FALSE).c_str());
}

UINT WINAPI GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned) {
  if (lpTranslated) *lpTranslated = FALSE;
  HWND control = GetDlgItem(hDlg, nIDDlgItem);
  if (!control) return 0;
  LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
  std::vector<char> text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1);
  SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  DialogInt parsed = parseDialogInt(text.data(), bSigned != FALSE);
  if (lpTranslated) *lpTranslated = parsed.translated;
  return parsed.value;
}

BOOL WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
  HWND button = GetDlgItem(hDlg, nIDButton);
  if (!button) return FALSE;
  SendMessageA(button, BM_SETCHECK, uCheck, 0);
  return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND hDlg, int nIDButton) {
  HWND button = GetDlgItem(hDlg, nIDButton);
  return button ? static_cast<UINT>(SendMessageA(button, BM_GETCHECK, 0, 0)) : 0;
}

LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
  HWND control = GetDlgItem(hDlg, nIDDlgItem);
  return control ? SendMessageA(control, Msg, wParam, lParam) : 0;
}

BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect) {
  DialogState* state = findDialog(hDlg);
  if (!state || !lpRect) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  lpRect->left = dialogUnitsToPixelsX(lpRect->left, state->base);
  lpRect->right = dialogUnitsToPixelsX(lpRect->right, state->base);
  lpRect->top = dialogUnitsToPixelsY(lpRect->top, state->base);
  lpRect->bottom = dialogUnitsToPixelsY(lpRect->bottom, state->base);
  return TRUE;
}

LONG WINAPI GetDialogBaseUnits(void) {
  DialogBaseUnits base = systemDialogBaseUnits();
  return MAKELONG(base.x, base.y);
}

BOOL WINAPI WinHelpA(HWND, LPCSTR, UINT, ULONG_PTR) {
  // There is no help viewer; the request is accepted and nothing is shown.
  return TRUE;
}
