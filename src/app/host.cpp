// The main window of the running saver: its class, its creation over the whole desktop and its
// procedure.
#include "app/host.h"

#include <cstring>

#include "app/curtain.h"
#include "app/kalyx.h"
#include "app/saver_input.h"
#include "display/display.h"

CDisplay* lpDisplay = nullptr;
HBRUSH hbrMain = nullptr;
int nTicks = 0;
int nSeconds = 0;
bool bSeeded = false;
void (*lpfnSettingsHook)(CKalyx* app) = nullptr;

namespace {

constexpr WORD kIconId = 100;

LRESULT OnCreate(HWND hwnd) {
  SetTimer(hwnd, kFrameTimer, static_cast<UINT>(lpKalyx->TimerPeriod), TimerProc);
  PostMessageA(hwnd, WM_COMMAND, kCmdNextDisplay, 0);
  return 0;
}

LRESULT OnDestroy(HWND hwnd) {
  KillTimer(hwnd, kFrameTimer);
  DestroyCurtain();
  if (lpKalyx != nullptr) {
    lpKalyx->hwndOwner = nullptr;
    lpKalyx->hwndMain = nullptr;
  }
  if (hbrMain != nullptr) DeleteObject(hbrMain);
  hbrMain = nullptr;
  DeleteDisplay();
  delete lpKalyx;
  lpKalyx = nullptr;
  PostQuitMessage(0);
  return 0;
}

LRESULT OnPaint(HWND hwnd) {
  // Invalidated parts only: an empty update region needs no DC at all.
  if (!GetUpdateRect(hwnd, nullptr, FALSE)) return 0;
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  if (lpDisplay != nullptr) lpDisplay->Paint(hwnd, hdc);
  EndPaint(hwnd, &ps);
  return 0;
}

LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate(hwnd);
    case WM_DESTROY:
      return OnDestroy(hwnd);
    case WM_PAINT:
      return OnPaint(hwnd);
    case WM_COMMAND:
      return OnCommand(hwnd, msg, wParam, lParam);
    case WM_KX_ENDREQUEST:
      // Any non-zero answer closes: a password dialog that cannot be shown must not trap the user.
      PostMessageA(hwnd, PasswordGate() != 0 ? WM_CLOSE : WM_KX_ENDREFUSED, 0, 0);
      return 0;
    default:
      return SaverDefWndProc(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

bool IsSaverMode(const char* cmdLine) {
  if (cmdLine == nullptr) return false;
  const size_t length = std::strlen(cmdLine);
  // The first switch character with something behind it decides.
  for (size_t i = 0; length > i + 1; ++i) {
    if (cmdLine[i] == '-' || cmdLine[i] == '/') return cmdLine[i + 1] == 's' || cmdLine[i + 1] == 'S';
  }
  return false;
}

ATOM RegisterMainClass(HINSTANCE hInstance) {
  WNDCLASSA wc{};
  wc.style = CS_BYTEALIGNWINDOW;
  wc.lpfnWndProc = MainWndProc;
  wc.hInstance = hInstance;
  wc.hIcon = LoadIconA(hInstance, MAKEINTRESOURCEA(kIconId));
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = hbrMain;
  wc.lpszClassName = kMainClass;
  return RegisterClassA(&wc);
}

int CreateMainWindow(HINSTANCE hInstance, int nCmdShow) {
  // The desktop window is the primary display: the console goes there, and the other displays
  // get the black curtain behind it.
  RECT desktop{0, 0, 0, 0};
  GetWindowRect(GetDesktopWindow(), &desktop);
  CreateCurtain(hInstance, desktop);
  // The size is the rectangle's width and height, so a display that does not start at 0 is
  // covered exactly.
  HWND hwnd = CreateWindowExA(0, kMainClass, "KALYX Display", WS_POPUP, desktop.left, desktop.top,
                              desktop.right - desktop.left, desktop.bottom - desktop.top, nullptr, nullptr,
                              hInstance, nullptr);
  if (hwnd == nullptr) {
    DestroyCurtain();
    return 0;
  }
  lpKalyx->SetMainWindow(hwnd);
  ShowWindow(hwnd, nCmdShow);
  UpdateWindow(hwnd);
  return 1;
}

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // One faulty message must not end the saver: it is logged and answered with 0.
  try {
    return HandleMessage(hwnd, msg, wParam, lParam);
  } catch (...) {
    if (lpKalyx != nullptr) CKalyx::WriteTrace("\n * * * exception * * *");
    return 0;
  }
}

LRESULT OnCommand(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (wParam) {
    case kCmdExit:
      PostMessageA(lpKalyx != nullptr ? lpKalyx->hwndMain : hwnd, WM_CLOSE, 0, 0);
      return 0;
    case kCmdNextDisplay:
      SelectNextDisplay();
      if (lpDisplay != nullptr) lpDisplay->SetUp();
      if (lpDisplay != nullptr) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    default:
      return SaverDefWndProc(hwnd, msg, wParam, lParam);
  }
}
