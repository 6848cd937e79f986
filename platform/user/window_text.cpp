// Window text and FindWindowA.
#include <windows.h>

#include <cstring>
#include <strings.h>

#include "user/window.h"

using namespace kx;

BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString) {
  if (!checkWindow(hWnd)) return FALSE;
  return SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) ? TRUE : FALSE;
}

int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
  if (lpString && nMaxCount > 0) *lpString = '\0';
  if (!checkWindow(hWnd) || !lpString || nMaxCount <= 0) return 0;
  return static_cast<int>(
      SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int WINAPI GetWindowTextLengthA(HWND hWnd) {
  if (!checkWindow(hWnd)) return 0;
  return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

HWND WINAPI FindWindowA(LPCSTR lpClassName, LPCSTR lpWindowName) {
  std::shared_ptr<WindowClass> cls;
  if (lpClassName) {
    cls = findWindowClass(lpClassName);
    if (!cls) return nullptr;
  }
  // Top-level windows only, topmost first; titles compare without regard to case.
  for (HWND top : windowManager().topLevels) {
    Window* w = findWindow(top);
    if (!w || w->destroying) continue;
    if (cls && w->windowClass != cls) continue;
    if (lpWindowName && strcasecmp(w->text.c_str(), lpWindowName) != 0) continue;
    return top;
  }
  return nullptr;
}
