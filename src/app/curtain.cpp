#include "app/curtain.h"

#include "app/globals.h"
#include "app/kalyx.h"

HWND hwndCurtain = nullptr;

namespace {

constexpr char kCurtainClass[] = "KalyxCurtain";

bool IsInput(UINT msg) {
  return msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN || msg == WM_MOUSEMOVE || msg == WM_LBUTTONDOWN ||
         msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
}

// The curtain is shown before the main window, so it loses the activation to it at once; that
// loss is no reason to end. What the user does over it counts as done over the main window (the
// main window's rules read the cursor position themselves).
LRESULT CALLBACK CurtainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (IsInput(msg) && lpKalyx != nullptr && lpKalyx->hwndMain != nullptr) {
    PostMessageA(lpKalyx->hwndMain, msg, wParam, lParam);
    return 0;
  }
  if (msg == WM_DESTROY && hwnd == hwndCurtain) hwndCurtain = nullptr;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

void CreateCurtain(HINSTANCE hInstance, const RECT& primary) {
  const RECT all{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                 GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                 GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  // Nothing lies outside the primary display: no curtain.
  if (all.left >= primary.left && all.top >= primary.top && all.right <= primary.right &&
      all.bottom <= primary.bottom)
    return;
  WNDCLASSA wc{};
  wc.lpfnWndProc = CurtainWndProc;
  wc.hInstance = hInstance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = kCurtainClass;
  RegisterClassA(&wc);  // already registered by an earlier run in this process: fine
  hwndCurtain =
      CreateWindowExA(0, kCurtainClass, "KALYX Display", WS_POPUP, all.left, all.top, all.right - all.left,
                      all.bottom - all.top, nullptr, nullptr, hInstance, nullptr);
  if (hwndCurtain == nullptr) return;
  ShowWindow(hwndCurtain, SW_SHOWNOACTIVATE);
  UpdateWindow(hwndCurtain);
}

void DestroyCurtain() {
  if (hwndCurtain != nullptr) DestroyWindow(hwndCurtain);
  hwndCurtain = nullptr;
}
