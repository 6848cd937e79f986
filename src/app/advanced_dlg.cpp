#include "app/advanced_dlg.h"

#include <cstdio>
#include <new>

#include "app/dlg_kalyx.h"
#include "framework/owned_str.h"
#include "resource.h"

namespace {

// The settings file gives back at most 255 characters of the message (CR LF is stored as "||",
// two for two), so the dialog takes no more than the saver will show.
constexpr int kCommTextMax = 255;
constexpr int kNoMemory = -991;

bool ReadFrames(HWND hwnd, int& frames) {
  BOOL translated = FALSE;
  frames = static_cast<int>(GetDlgItemInt(hwnd, IDC_CLK_SCND_CNT, &translated, TRUE));
  return translated && frames > 0;
}

// The message as typed, null when empty; false when out of memory.
bool TakeCommText(HWND hwnd, CKalyx& kalyx) {
  int length = static_cast<int>(SendDlgItemMessageA(hwnd, IDC_COMM_TEXT, WM_GETTEXTLENGTH, 0, 0));
  if (length <= 0) {
    delete[] kalyx.CommText;
    kalyx.CommText = nullptr;
    return true;
  }
  if (length > kCommTextMax) length = kCommTextMax;
  char* text = new (std::nothrow) char[length + 2]();
  if (text == nullptr) return false;
  int read = GetDlgItemTextA(hwnd, IDC_COMM_TEXT, text, length + 1);
  // A cut through a line break would leave a lone CR, which the file would keep as it is.
  if (read > 0 && read == kCommTextMax && text[read - 1] == '\r') text[read - 1] = '\0';
  bool copied = StrAssign(&kalyx.CommText, text) != nullptr || text[0] == '\0';
  delete[] text;
  return copied;
}

}  // namespace

int FillAdvanced(HWND hwnd) {
  CKalyx* kalyx = KalyxOf(hwnd);
  if (kalyx == nullptr) return -1;
  SetDlgItemInt(hwnd, IDC_CLK_SCND_CNT, static_cast<UINT>(kalyx->ClkScndCnt), TRUE);
  CheckDlgButton(hwnd, IDC_HIGH_COLOR, kalyx->ClrCd == CKalyx::kHighColor ? BST_CHECKED : BST_UNCHECKED);
  SendDlgItemMessageA(hwnd, IDC_COMM_TEXT, EM_LIMITTEXT, kCommTextMax, 0);
  SetDlgItemTextA(hwnd, IDC_COMM_TEXT, kalyx->CommText != nullptr ? kalyx->CommText : "");
  return 0;
}

int ApplyAdvanced(HWND hwnd) {
  CKalyx* kalyx = KalyxOf(hwnd);
  if (kalyx == nullptr) return -1;
  int frames = 0;
  bool failed = false;
  if (ReadFrames(hwnd, frames)) {
    kalyx->ClkScndCnt = frames;
    kalyx->TimerPeriod = 1000 / frames + 1;
  } else {
    char text[96];
    std::snprintf(text, sizeof text, "%i frames per second is invalid\r\nPlease enter a positive number",
                  frames);
    MessageBoxA(hwnd, text, "KALYX - Error", MB_ICONEXCLAMATION);
    failed = true;
  }
  // The colour scheme and the message are taken even when the frame rate was refused.
  kalyx->ClrCd = IsDlgButtonChecked(hwnd, IDC_HIGH_COLOR) == BST_CHECKED ? CKalyx::kHighColor : 1;
  if (!TakeCommText(hwnd, *kalyx)) return kNoMemory;
  return failed ? -1 : 0;
}

INT_PTR CALLBACK AdvancedDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) {
    AttachKalyx(hwnd);
    FillAdvanced(hwnd);
    return FALSE;
  }
  if (msg != WM_COMMAND) return FALSE;
  switch (wParam) {
    case IDOK:
      if (ApplyAdvanced(hwnd) != 0) return FALSE;
      EndDialog(hwnd, 0);
      return TRUE;
    case IDCANCEL:
      EndDialog(hwnd, 0);
      return TRUE;
    default:
      return FALSE;
  }
}
