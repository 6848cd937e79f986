// Where windows lie: GetWindowRect, GetClientRect, MoveWindow, ClientToScreen, ScreenToClient,
// GetParent, GetDesktopWindow.
#include <windows.h>

#include "user/desktop.h"
#include "user/paint.h"
#include "user/window.h"

using namespace kx;

HWND WINAPI GetDesktopWindow(void) {
  return desktopWindow();
}

HWND WINAPI GetParent(HWND hWnd) {
  Window* w = checkWindow(hWnd);
  if (!w) return nullptr;
  // A child's parent, a pop-up's owner; an overlapped window has neither.
  if (w->isChild()) return w->parent;
  return (w->style & WS_POPUP) ? w->owner : nullptr;
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
  Window* w = checkWindow(hWnd);
  if (!w) return FALSE;
  if (lpRect) *lpRect = windowScreenRect(*w);
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
  Window* w = checkWindow(hWnd);
  if (!w) return FALSE;
  if (lpRect)
    *lpRect = RECT{0, 0, w->clientRect.right - w->clientRect.left, w->clientRect.bottom - w->clientRect.top};
  return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
  Window* w = checkWindow(hWnd);
  if (!w || !lpPoint) return FALSE;
  POINT origin = clientOriginOnScreen(*w);
  lpPoint->x += origin.x;
  lpPoint->y += origin.y;
  return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
  Window* w = checkWindow(hWnd);
  if (!w || !lpPoint) return FALSE;
  POINT origin = clientOriginOnScreen(*w);
  lpPoint->x -= origin.x;
  lpPoint->y -= origin.y;
  return TRUE;
}

BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
  Window* w = checkWindow(hWnd);
  if (!w || hWnd == windowManager().desktop) return FALSE;
  RECT before = w->windowRect;
  RECT beforeClient = w->clientRect;
  SendMessageA(hWnd, WM_WINDOWPOSCHANGING, 0, 0);
  w = findWindow(hWnd);
  if (!w) return FALSE;
  bool shown = isShown(*w);
  RECT oldScreen = windowScreenRect(*w);
  w->windowRect = RECT{X, Y, X + std::max(nWidth, 0), Y + std::max(nHeight, 0)};
  RECT insets = nonClientInsets(w->style, w->exStyle);
  w->clientRect = RECT{w->windowRect.left + insets.left, w->windowRect.top + insets.top,
                       std::max(w->windowRect.left + insets.left, w->windowRect.right - insets.right),
                       std::max(w->windowRect.top + insets.top, w->windowRect.bottom - insets.bottom)};
  RECT client = w->clientRect;
  if (shown && bRepaint) {
    // What the window left shows what lies beneath; the window itself repaints whole.
    if (Window* parent = findWindow(w->parent)) {
      InvalidateRect(parent->hwnd(), &before, TRUE);
    } else {
      Desktop::instance().paintBackground(oldScreen);
      InvalidateRect(nullptr, nullptr, TRUE);
    }
    invalidateTree(hWnd);
  }
  SendMessageA(hWnd, WM_WINDOWPOSCHANGED, 0, 0);
  if (client.left != beforeClient.left || client.top != beforeClient.top) {
    SendMessageA(hWnd, WM_MOVE, 0, MAKELPARAM(client.left, client.top));
  }
  if (client.right - client.left != beforeClient.right - beforeClient.left ||
      client.bottom - client.top != beforeClient.bottom - beforeClient.top) {
    SendMessageA(hWnd, WM_SIZE, SIZE_RESTORED,
                 MAKELPARAM(client.right - client.left, client.bottom - client.top));
  }
  return TRUE;
}
