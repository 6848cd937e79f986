// The program's entry: the saver (switch -s or /s) or the settings dialog, one copy at a time.
#include <windows.h>

#include <new>

#include "app/config_dlg.h"
#include "app/crypt.h"
#include "app/host.h"
#include "app/kalyx.h"
#include "app/preview.h"
#include "app/saver_input.h"

namespace {

int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  // A preview runs beside the saver and the settings dialog (one per preview window), so it
  // takes no lock.
  HWND hwndPreview = PreviewParent(lpCmdLine);
  bPreview = hwndPreview != nullptr;
  const bool saver = bPreview || IsSaverMode(lpCmdLine);

  // A second copy leaves at once and shows nothing, whichever mode either copy runs in.
  HANDLE mutex = nullptr;
  if (!bPreview) {
    mutex = CreateMutexA(nullptr, TRUE, kMutexName);
    if (mutex == nullptr) return 1;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
      CloseHandle(mutex);
      return 1;
    }
  }

  hbrMain = CreateSolidBrush(RGB(0, 0, 0));
  int exitCode = 0;
  lpKalyx = new (std::nothrow) CKalyx;
  if (lpKalyx == nullptr) {
    MemoryErrorBox(nullptr);
  } else {
    if (lpfnSettingsHook != nullptr) lpfnSettingsHook(lpKalyx);
    lpKalyx->BuildColors();
    lpKalyx->hInstance = hInstance;
    lpCrypt = new (std::nothrow) CCrypt;
    if (lpCrypt == nullptr) {
      MemoryErrorBox(nullptr);
    } else if (!saver) {
      DialogBoxParamA(hInstance, "DLG_CONFIG", nullptr, ConfigDlgProc, 0);
    } else if (hPrevInstance == nullptr && RegisterMainClass(hInstance) == 0) {
      lpKalyx->ErrorBox("Register main window class failed");
    } else if (bPreview ? CreatePreviewWindow(hInstance, hwndPreview) == 0
                        : CreateMainWindow(hInstance, nCmdShow) == 0) {
      // Nobody sits at a preview to read a message box.
      if (!bPreview) lpKalyx->ErrorBox("Create main window failed");
    } else {
      exitCode = RunMessageLoop();
    }
  }

  if (hbrMain != nullptr) DeleteObject(hbrMain);
  hbrMain = nullptr;
  delete lpCrypt;
  lpCrypt = nullptr;
  delete lpKalyx;
  lpKalyx = nullptr;
  if (mutex != nullptr) CloseHandle(mutex);
  return exitCode;
}
