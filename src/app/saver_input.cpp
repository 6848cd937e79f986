#include "app/saver_input.h"

#include "app/password.h"

POINT ptCursor = {-1, -1};
bool bInEndRequest = false;
bool bCheckPassword = false;
bool bPreview = false;
char szPassword[kPasswordChars + 1] = {};

namespace {

void RequestEnd(HWND hwnd) {
  PostMessageA(hwnd, WM_KX_ENDREQUEST, 0, 0);
}

// Input queued while the gate ran must not start the next end request at once.
void PurgeInput(HWND hwnd) {
  MSG msg;
  while (PeekMessageA(&msg, hwnd, WM_MOUSEMOVE, WM_MBUTTONDBLCLK, PM_REMOVE)) {
  }
  while (PeekMessageA(&msg, hwnd, WM_KEYDOWN, WM_SYSDEADCHAR, PM_REMOVE)) {
  }
}

void OnMouseMove(HWND hwnd) {
  SetCursor(nullptr);
  POINT now{0, 0};
  GetCursorPos(&now);
  // Windows sends a move at the same spot when a window appears under the cursor: that is no
  // movement. The first move only tells where the cursor rests.
  if (ptCursor.x == -1 || ptCursor.y == -1) {
    ptCursor = now;
  } else if (now.x != ptCursor.x || now.y != ptCursor.y) {
    RequestEnd(hwnd);
  }
}

void OnEndRequest(HWND hwnd) {
  bInEndRequest = true;
  PostMessageA(hwnd, PasswordGate() == 1 ? WM_CLOSE : WM_KX_ENDREFUSED, 0, 0);
  bInEndRequest = false;
  PurgeInput(hwnd);
}

}  // namespace

LRESULT CALLBACK SaverDefWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (bPreview && msg != WM_DESTROY) return DefWindowProcA(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_ACTIVATE:
      // The whole wParam counts: any activation, minimised or not, keeps the saver.
      if (wParam != 0 || bInEndRequest) {
        GetCursorPos(&ptCursor);
      } else {
        RequestEnd(hwnd);
      }
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (!bInEndRequest) RequestEnd(hwnd);
      break;
    case WM_MOUSEMOVE:
      if (!bInEndRequest) OnMouseMove(hwnd);
      break;
    case WM_KX_ENDREQUEST:
      if (!bInEndRequest) OnEndRequest(hwnd);
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

INT_PTR PasswordGate() {
  if (!bCheckPassword) return 1;
  if (!ReadStoredPassword()) return 1;
  return DialogBoxParamA(nullptr, "DLG_ENTERPASSWORD", nullptr, DlgGetPasswordProc, 0);
}
