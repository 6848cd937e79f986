#include "app/password.h"

#include <cstring>
#include <initializer_list>

#include "app/saver_input.h"

namespace {

const char kControlIni[] = "CONTROL.INI";
const char kSection[] = "ScreenSaver";
const char kKey[] = "Password";
const char kHelpFile[] = "CONTROL.HLP";
constexpr ULONG_PTR kChangePasswordHelp = 9000;

// Dialog items of the two password dialogs (their templates come from outside the program).
constexpr int kOldLabel = 200;
constexpr int kPasswordEdit = 201;  // the password, or the old one when changing
constexpr int kNewEdit = 202;
constexpr int kAgainEdit = 203;
constexpr int kHelpButton = 204;

bool IsExcluded(BYTE b) {
  return b <= 0x20 || (b >= 0x7F && b <= 0x90) || (b >= 0x93 && b <= 0x9F) || b == '=' || b == '[' ||
         b == ']';
}

// The edit's text, transformed as the stored password is.
void ReadTransformed(HWND dlg, int item, char (&text)[kPasswordChars + 1]) {
  text[0] = '\0';
  GetDlgItemTextA(dlg, item, text, kPasswordChars + 1);
  TransformPassword(text);
}

void InvalidPassword(HWND dlg, const char* text) {
  MessageBoxA(dlg, text, "Invalid password", MB_ICONEXCLAMATION);
}

void LimitEdit(HWND dlg, int item) {
  SendDlgItemMessageA(dlg, item, EM_LIMITTEXT, kPasswordChars, 0);
}

BOOL CheckEnteredPassword(HWND dlg) {
  char entered[kPasswordChars + 1];
  ReadTransformed(dlg, kPasswordEdit, entered);
  if (lstrcmpiA(entered, szPassword) == 0) {
    EndDialog(dlg, 1);
  } else {
    InvalidPassword(dlg, "You have entered an incorrect password.");
    SetDlgItemTextA(dlg, kPasswordEdit, "");
  }
  return TRUE;
}

BOOL StoreNewPassword(HWND dlg) {
  if (szPassword[0] != '\0') {
    char old[kPasswordChars + 1];
    ReadTransformed(dlg, kPasswordEdit, old);
    if (lstrcmpiA(old, szPassword) != 0) {
      InvalidPassword(dlg, "You have entered an incorrect old password.");
      SetDlgItemTextA(dlg, kPasswordEdit, "");
      return FALSE;
    }
  }
  char typed[kPasswordChars + 1] = {};
  char again[kPasswordChars + 1] = {};
  GetDlgItemTextA(dlg, kNewEdit, typed, kPasswordChars + 1);
  GetDlgItemTextA(dlg, kAgainEdit, again, kPasswordChars + 1);
  if (lstrcmpiA(typed, again) != 0) {
    InvalidPassword(dlg, "You have entered an incorrect new password.");
    SetDlgItemTextA(dlg, kNewEdit, "");
    SetDlgItemTextA(dlg, kAgainEdit, "");
    return FALSE;
  }
  TransformPassword(typed);
  // The dialog stays open when the password cannot be stored, so the user knows the old one holds.
  if (!WritePrivateProfileStringA(kSection, kKey, typed, kControlIni)) {
    MessageBoxA(dlg, "The new password could not be saved.", "Password not saved", MB_ICONEXCLAMATION);
    return FALSE;
  }
  EndDialog(dlg, 1);
  return TRUE;
}

}  // namespace

void MixStep(BYTE value, BYTE& acc) {
  BYTE t = static_cast<BYTE>(value ^ acc);
  if (!IsExcluded(t)) acc = t;
}

void TransformPassword(char* text) {
  char copy[kPasswordChars + 1] = {};
  lstrcpynA(copy, text, kPasswordChars + 1);
  int n = static_cast<int>(std::strlen(copy));
  if (n == 0) return;
  CharUpperA(copy);
  auto at = [&copy](int i) -> BYTE { return static_cast<BYTE>(copy[i]); };
  const BYTE length = static_cast<BYTE>(n);
  for (int i = 0; i < n; ++i) {
    BYTE acc = at(i);
    MixStep(length, acc);
    if (i == 0) {
      MixStep(42, acc);
    } else {
      MixStep(static_cast<BYTE>(i), acc);
      MixStep(at(i - 1), acc);
    }
    copy[i] = static_cast<char>(acc);
  }
  // A one-character password is stored and compared as typed.
  if (n == 1) return;
  for (int i = n - 1; i >= 0; --i) {
    BYTE acc = at(i);
    MixStep(length, acc);
    if (i == n - 1) {
      MixStep(42, acc);
    } else {
      MixStep(static_cast<BYTE>(i), acc);
      MixStep(at(i + 1), acc);
    }
    copy[i] = static_cast<char>(acc);
  }
  std::memcpy(text, copy, static_cast<size_t>(n) + 1);
}

bool ReadStoredPassword() {
  return GetPrivateProfileStringA(kSection, kKey, "", szPassword, sizeof szPassword, kControlIni) != 0;
}

INT_PTR ChangePassword() {
  ReadStoredPassword();
  return DialogBoxParamA(nullptr, "DLG_CHANGEPASSWORD", nullptr, DlgSetPasswordProc, 0);
}

INT_PTR CALLBACK DlgGetPasswordProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) {
    LimitEdit(hwnd, kPasswordEdit);
    return TRUE;
  }
  if (msg != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK:
      return CheckEnteredPassword(hwnd);
    case IDCANCEL:
      EndDialog(hwnd, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK DlgSetPasswordProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) {
    for (int item : {kPasswordEdit, kNewEdit, kAgainEdit}) LimitEdit(hwnd, item);
    // The old password is asked for only when there is one.
    if (szPassword[0] != '\0') {
      EnableWindow(GetDlgItem(hwnd, kPasswordEdit), TRUE);
      EnableWindow(GetDlgItem(hwnd, kOldLabel), TRUE);
    }
    return TRUE;
  }
  if (msg != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK:
      return StoreNewPassword(hwnd);
    case IDCANCEL:
      WinHelpA(hwnd, kHelpFile, HELP_QUIT, 0);
      EndDialog(hwnd, 0);
      return TRUE;
    case kHelpButton:
      WinHelpA(hwnd, kHelpFile, HELP_CONTEXT, kChangePasswordHelp);
      return TRUE;
    default:
      return FALSE;
  }
}

LRESULT CALLBACK DlgProcCallback(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
  // A dialog made for an object goes to that object's handler, which handles nothing here.
  if (GetWindowLongPtrA(hwnd, DWLP_USER) != 0) return 0;
  return DefDlgProcA(hwnd, msg, wParam, lParam);
}
