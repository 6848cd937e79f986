#include "display/sub_disp.h"

#include "app/kalyx.h"
#include "app/saver_input.h"

namespace {

constexpr UINT kPanelClassStyle = 0x40000000;
// WS_CHILD | WS_VISIBLE and a style bit the panels have always carried.
constexpr DWORD kPanelStyle = 0x50000004;

}  // namespace

CSubDisp::CSubDisp(CKalyx* app) : BWindow(app, "KXSubDisp", nullptr), app(app) {
  bkClr.SetRGB(0, 0, 0);
}

// Input over a panel ends the saver as over the main window. A panel destroyed by its screen's
// destructor no longer reaches this procedure, so its WM_DESTROY does not end the program.
LRESULT CSubDisp::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_PAINT) return SaverDefWndProc(hwnd, msg, wParam, lParam);
  if (GetUpdateRect(hwnd, nullptr, FALSE)) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    Paint(hwnd, hdc);
    EndPaint(hwnd, &ps);
  }
  return 0;
}

int CSubDisp::RegisterClass() {
  WNDCLASSA wc{};
  wc.style = kPanelClassStyle;
  wc.lpfnWndProc = BWindow::ObjWndProc;
  wc.cbWndExtra = kWndExtra;
  wc.hInstance = app->hInstance;
  wc.hbrBackground = bkClr.MakeBrush();
  wc.lpszClassName = className;
  if (::RegisterClassA(&wc)) return 0;
  if (wc.hbrBackground) DeleteObject(wc.hbrBackground);
  return -1;
}

int CSubDisp::Create(int asMain, int show) {
  HWND created =
      CreateWindowExA(0, className, windowName, kPanelStyle, rect.left, rect.top, rect.right - rect.left,
                      rect.bottom - rect.top, app->hwndMain, nullptr, app->hInstance, createParam);
  if (!created) {
    CKalyx::WriteTrace("\nCSubDisp::Create - CreateWindow failed");
    return -1;
  }
  hwnd = created;
  SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(createParam));
  if (asMain) app->SetMainWindow(hwnd);
  if (show) {
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
  }
  return 0;
}

int CSubDisp::SetRect(const RECT& rc) {
  rect = rc;
  return 0;
}

int CSubDisp::Animate(int /*step*/) {
  return 0;
}

int CSubDisp::SetUp() {
  return 0;
}

int CSubDisp::Paint(HWND /*hwnd*/, HDC /*hdc*/) {
  return 0;
}
