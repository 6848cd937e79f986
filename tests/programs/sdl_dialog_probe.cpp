// Opens the settings dialog from the linked resources in a real SDL window and reports on stdout,
// one line each, where some of its controls are on the desktop, then "ready", then how the dialog
// ended ("result <value>"), so a test can look at the screen and press keys from outside. The
// dialog ends itself after ten seconds if nothing answers it.
#include <windows.h>

#include <cstdio>

#include "kx/platform.h"
#include "resource.h"

namespace {

constexpr UINT_PTR kTick = 1;
constexpr INT_PTR kGaveUp = 99;

void reportRect(const char* name, HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  std::printf("%s %d %d %d %d\n", name, static_cast<int>(r.left), static_cast<int>(r.top),
              static_cast<int>(r.right), static_cast<int>(r.bottom));
}

INT_PTR CALLBACK ProbeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  static int ticks = 0;
  switch (message) {
    case WM_INITDIALOG:
      SetTimer(dialog, kTick, 100, nullptr);
      return TRUE;
    case WM_TIMER:
      // A few ticks in, the dialog has been painted and shown.
      if (++ticks == 3) {
        reportRect("dialog", dialog);
        reportRect("ok", GetDlgItem(dialog, IDOK));
        reportRect("edit", GetDlgItem(dialog, IDC_SCRN_SCNDS));
        reportRect("check", GetDlgItem(dialog, IDC_DISP_SHLD));
        std::printf("ready\n");
        std::fflush(stdout);
      }
      if (ticks > 100) EndDialog(dialog, kGaveUp);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
      return TRUE;
    case WM_DESTROY:
      KillTimer(dialog, kTick);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

int main() {
  kx::PlatformOptions options;
  options.backend = kx::BackendKind::Sdl;
  options.width = 640;
  options.height = 480;
  std::string error = kx::startPlatform(options);
  if (!error.empty()) {
    std::fprintf(stderr, "sdl_dialog_probe: %s\n", error.c_str());
    return 2;
  }
  INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), "DLG_CONFIG", nullptr, ProbeDialogProc, 0);
  std::printf("result %ld\n", static_cast<long>(result));
  std::fflush(stdout);
  kx::stopPlatform();
  return result == IDCANCEL ? 0 : 1;
}
