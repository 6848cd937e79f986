#include "app/config_dlg.h"

#include <cstdio>

#include "app/about_dlg.h"
#include "app/advanced_dlg.h"
#include "app/dlg_kalyx.h"
#include "app/screen_table.h"
#include "kalyx_version.h"
#include "resource.h"

namespace {

const char kErrorCaption[] = "KALYX Settings - Error";

UINT CheckOf(int flag) {
  return flag != 0 ? BST_CHECKED : BST_UNCHECKED;
}

int IsOn(HWND hwnd, int id) {
  return IsDlgButtonChecked(hwnd, id) == BST_CHECKED ? 1 : 0;
}

// A value that does not fit 32 bits is no number to GetDlgItemInt, so it is refused like text.
bool ReadSeconds(HWND hwnd, int& seconds) {
  BOOL translated = FALSE;
  seconds = static_cast<int>(GetDlgItemInt(hwnd, IDC_SCRN_SCNDS, &translated, TRUE));
  return translated && seconds >= 0;
}

void RunNested(HWND hwnd, const char* name, DLGPROC proc) {
  CKalyx* kalyx = KalyxOf(hwnd);
  DialogBoxParamA(kalyx != nullptr ? kalyx->hInstance : nullptr, name, hwnd, proc, 0);
}

}  // namespace

int FillConfig(HWND hwnd) {
  CKalyx* kalyx = KalyxOf(hwnd);
  if (kalyx == nullptr) return -1;
  SetDlgItemInt(hwnd, IDC_SCRN_SCNDS, static_cast<UINT>(kalyx->ScrnScnds), TRUE);
  for (const ScreenEntry& screen : aScreens) {
    if (screen.control != 0) CheckDlgButton(hwnd, screen.control, CheckOf(kalyx->*screen.enable));
  }
  CheckDlgButton(hwnd, IDC_SCRN_ANIM, CheckOf(kalyx->ScrnAnim));
  // The template has no such box; the call finds no control and changes nothing.
  CheckDlgButton(hwnd, IDC_SCRN_TRAN, CheckOf(kalyx->ScrnTran));
  return 0;
}

int ApplyConfig(HWND hwnd) {
  CKalyx* kalyx = KalyxOf(hwnd);
  if (kalyx == nullptr) return -1;
  int seconds = 0;
  bool failed = false;
  if (!ReadSeconds(hwnd, seconds)) {
    char text[64];
    std::snprintf(text, sizeof text, "%i seconds per screen is invalid", seconds);
    MessageBoxA(hwnd, text, kErrorCaption, MB_ICONEXCLAMATION);
    failed = true;
  } else {
    int chosen = 0;
    for (const ScreenEntry& screen : aScreens) {
      if (screen.control == 0) continue;
      kalyx->*screen.enable = IsOn(hwnd, screen.control);
      chosen += kalyx->*screen.enable;
    }
    if (chosen == 0) {
      MessageBoxA(hwnd, "You must select at least\none of the displays", kErrorCaption, MB_ICONEXCLAMATION);
      failed = true;
    }
  }
  if (failed) return -1;
  kalyx->ScrnScnds = seconds;
  kalyx->ScrnTran = IsOn(hwnd, IDC_SCRN_TRAN);  // always 0: there is no such box
  kalyx->ScrnAnim = IsOn(hwnd, IDC_SCRN_ANIM);
  kalyx->SaveSettings();
  return 0;
}

INT_PTR CALLBACK ConfigDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) {
    CKalyx* kalyx = AttachKalyx(hwnd);
    SetDlgItemTextA(hwnd, IDC_CFG_TITLE, "Kalyx Operations Console");
    SetDlgItemTextA(hwnd, IDC_CFG_VERSION, "Version " KALYX_VERSION_SHORT);
    // The dialog always shows what the file holds, not what an earlier opening left in memory.
    if (kalyx != nullptr) kalyx->LoadSettings();
    FillConfig(hwnd);
    if (kalyx != nullptr) kalyx->PrepareDialog(hwnd);
    return FALSE;
  }
  if (msg != WM_COMMAND) return FALSE;
  switch (wParam) {
    case IDOK:
      if (ApplyConfig(hwnd) != 0) return FALSE;
      EndDialog(hwnd, 0);
      return TRUE;
    case IDCANCEL:
      // Whatever the dialogs changed in memory is dropped: only OK saves.
      EndDialog(hwnd, 0);
      return TRUE;
    case IDC_ADVANCED:
      RunNested(hwnd, "DLG_ADVCFG", AdvancedDlgProc);
      return TRUE;
    case IDC_ABOUT:
      RunNested(hwnd, "DLG_ABOUT", AboutDlgProc);
      return TRUE;
    default:
      return FALSE;
  }
}
