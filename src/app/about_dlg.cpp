#include "app/about_dlg.h"

#include <initializer_list>

#include "app/crypt.h"
#include "app/dlg_kalyx.h"
#include "framework/owned_str.h"
#include "kalyx_version.h"
#include "resource.h"

namespace {

// Our own fixed texts: the years of the credit line and the two-line notice.
const char kCreditYears[] = ", 2025-2026\r\n";
const char kNotice[] =
    "Made from scratch for the pleasure of it.\r\nProvided as is, without warranty of any kind.";

const char* Credit(int index) {
  return lpCrypt != nullptr ? lpCrypt->lpszCredit[index] : nullptr;
}

// Sets the item to the pieces joined; a missing piece adds nothing.
void SetJoined(HWND hwnd, int id, std::initializer_list<const char*> pieces) {
  char* text = nullptr;
  for (const char* piece : pieces) StrAppend(&text, text, piece);
  SetDlgItemTextA(hwnd, id, text != nullptr ? text : "");
  delete[] text;
}

void FillTexts(HWND hwnd) {
  SetDlgItemTextA(hwnd, IDC_ABOUT_TITLE, Credit(5) != nullptr ? Credit(5) : "");
  SetJoined(hwnd, IDC_ABOUT_VERSION, {Credit(4), "\r\nVersion " KALYX_VERSION_SHORT});
  SetJoined(hwnd, IDC_ABOUT_CREDITS, {Credit(0), kCreditYears, Credit(1), "\r\n", Credit(2)});
  SetDlgItemTextA(hwnd, IDC_ABOUT_NOTICE, kNotice);
}

// Screen rectangle of a control; false when the dialog has no such control.
bool ControlRect(HWND hwnd, int id, RECT& rect) {
  HWND control = GetDlgItem(hwnd, id);
  return control != nullptr && GetWindowRect(control, &rect);
}

// A raised frame round the whole box, and a sunken one round the credits and the notice with a
// line between them. Offsets from the window's top are used as client positions, so they lie one
// border width lower than the controls; the 5-pixel gaps leave room for that.
void Decorate(HWND hwnd) {
  RECT client;
  GetClientRect(hwnd, &client);
  DrawBevel(hwnd, client.left, client.top, client.right - 1, client.bottom - 1, -2);

  RECT window, credits, notice;
  if (!GetWindowRect(hwnd, &window) || !ControlRect(hwnd, IDC_ABOUT_CREDITS, credits) ||
      !ControlRect(hwnd, IDC_ABOUT_NOTICE, notice)) {
    return;
  }
  DrawBevel(hwnd, 10, credits.top - window.top - 5, client.right - 10, notice.bottom - window.top + 5, 2);

  HDC hdc = GetDC(hwnd);
  if (hdc == nullptr) return;
  int y = credits.bottom - window.top + 5;
  MoveToEx(hdc, 25, y, nullptr);
  LineTo(hdc, client.right - 25, y);
  ReleaseDC(hwnd, hdc);
}

}  // namespace

INT_PTR CALLBACK AboutDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      CKalyx* kalyx = AttachKalyx(hwnd);
      FillTexts(hwnd);
      if (kalyx != nullptr) kalyx->PrepareDialog(hwnd);
      return FALSE;
    }
    case WM_PAINT:
      // Not handled here: the dialog paints itself first, the bevels follow when this arrives.
      PostMessageA(hwnd, WM_ABOUT_DECORATE, wParam, lParam);
      return FALSE;
    case WM_ABOUT_DECORATE:
      Decorate(hwnd);
      return TRUE;
    case WM_COMMAND:
      if (wParam != IDOK && wParam != IDCANCEL) return FALSE;
      EndDialog(hwnd, 0);
      return TRUE;
    default:
      return FALSE;
  }
}
