// ShowWindow, activation and focus.
#include "user/activation.h"

#include <algorithm>

#include "user/desktop.h"
#include "user/input.h"
#include "user/paint.h"
#include "user/window.h"

namespace kx {

namespace {

void bringToTop(HWND hwnd) {
  std::vector<HWND>& tops = windowManager().topLevels;
  auto it = std::find(tops.begin(), tops.end(), hwnd);
  if (it == tops.end()) return;
  // The parts the windows it passes kept from it were never drawn: they repaint.
  std::vector<HWND> passed(tops.begin(), it);
  std::rotate(tops.begin(), it, it + 1);
  Window* w = findWindow(hwnd);
  if (!w || !(w->style & WS_VISIBLE)) return;
  RECT screen = windowScreenRect(*w);
  for (HWND above : passed) {
    Window* a = findWindow(above);
    RECT overlap;
    if (!a || !(a->style & WS_VISIBLE)) continue;
    if (RECT ar = windowScreenRect(*a); !IntersectRect(&overlap, &ar, &screen)) continue;
    OffsetRect(&overlap, -w->clientRect.left, -w->clientRect.top);
    InvalidateRect(hwnd, &overlap, TRUE);
  }
}

bool isEnabledChain(HWND hwnd) {
  for (Window* w = findWindow(hwnd); w; w = findWindow(w->parent)) {
    if (w->style & WS_DISABLED) return false;
  }
  return true;
}

// Who is activated when the active window goes away: its owner, else the topmost other visible
// top-level window.
HWND successorOf(HWND leaving) {
  Window* w = findWindow(leaving);
  if (w) {
    if (Window* owner = findWindow(w->owner); owner && (owner->style & WS_VISIBLE) && !owner->destroying) {
      return owner->hwnd();
    }
  }
  for (HWND top : windowManager().topLevels) {
    Window* t = findWindow(top);
    if (top != leaving && t && (t->style & WS_VISIBLE) && !t->destroying) return top;
  }
  return nullptr;
}

void exposeBeneath(const Window& window) {
  RECT screen = windowScreenRect(window);
  if (Window* parent = findWindow(window.parent)) {
    POINT origin = clientOriginOnScreen(*parent);
    OffsetRect(&screen, -origin.x, -origin.y);
    InvalidateRect(parent->hwnd(), &screen, TRUE);
    return;
  }
  Desktop::instance().paintBackground(screen);
  for (HWND top : windowManager().topLevels) {
    Window* t = findWindow(top);
    if (!t || top == window.hwnd() || !(t->style & WS_VISIBLE)) continue;
    RECT overlap;
    RECT tr = windowScreenRect(*t);
    if (!IntersectRect(&overlap, &tr, &screen)) continue;
    OffsetRect(&overlap, -t->clientRect.left, -t->clientRect.top);
    InvalidateRect(top, &overlap, TRUE);
  }
}

}  // namespace

void activateWindow(HWND next) {
  WindowManager& wm = windowManager();
  HWND old = findWindow(wm.active) ? wm.active : nullptr;
  if (old == next) return;
  if (old) {
    SendMessageA(old, WM_NCACTIVATE, FALSE, 0);
    SendMessageA(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(next));
  }
  if (!next) {
    wm.active = nullptr;
    if (old) SendMessageA(old, WM_ACTIVATEAPP, FALSE, 0);
    setFocusTo(nullptr);
    return;
  }
  wm.active = next;
  bringToTop(next);
  if (!old) SendMessageA(next, WM_ACTIVATEAPP, TRUE, 0);
  SendMessageA(next, WM_NCACTIVATE, TRUE, 0);
  SendMessageA(next, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), reinterpret_cast<LPARAM>(old));
}

HWND setFocusTo(HWND hwnd) {
  WindowManager& wm = windowManager();
  HWND old = findWindow(wm.focus) ? wm.focus : nullptr;
  if (old == hwnd) return old;
  if (hwnd) {
    HWND root = rootWindow(hwnd);
    if (root != wm.active) {
      activateWindow(root);
      if (wm.focus == hwnd) return old;
      old = findWindow(wm.focus) ? wm.focus : nullptr;
    }
  }
  wm.focus = hwnd;
  if (old) SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (hwnd && wm.focus == hwnd && findWindow(hwnd)) {
    SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  }
  return old;
}

void showWindowNow(HWND hwnd, bool activate) {
  SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
  SendMessageA(hwnd, WM_WINDOWPOSCHANGING, 0, 0);
  Window* w = findWindow(hwnd);
  if (!w) return;
  w->style |= WS_VISIBLE;
  if (activate && !w->isChild()) activateWindow(hwnd);
  if (!findWindow(hwnd)) return;
  invalidateTree(hwnd);
  SendMessageA(hwnd, WM_NCPAINT, 1, 0);
  if (findWindow(hwnd)) eraseIfPending(hwnd);
  SendMessageA(hwnd, WM_WINDOWPOSCHANGED, 0, 0);
  if (findWindow(hwnd)) mouseMoveIfUnderCursor(hwnd);
}

void hideWindow(HWND hwnd, bool sendShowWindow) {
  if (sendShowWindow) SendMessageA(hwnd, WM_SHOWWINDOW, FALSE, 0);
  SendMessageA(hwnd, WM_WINDOWPOSCHANGING, 0, 0);
  Window* w = findWindow(hwnd);
  if (!w) return;
  w->style &= ~WS_VISIBLE;
  exposeBeneath(*w);
  SendMessageA(hwnd, WM_WINDOWPOSCHANGED, 0, 0);
  WindowManager& wm = windowManager();
  if (wm.active && wm.active == hwnd) {
    activateWindow(successorOf(hwnd));
  } else if (wm.focus && isDescendant(hwnd, wm.focus)) {
    Window* child = findWindow(hwnd);
    setFocusTo(child && child->isChild() ? child->parent : nullptr);
  }
}

}  // namespace kx

using namespace kx;

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
  Window* w = checkWindow(hWnd);
  if (!w) return FALSE;
  bool wasVisible = (w->style & WS_VISIBLE) != 0;
  if (nCmdShow == SW_HIDE) {
    if (wasVisible) hideWindow(hWnd, true);
  } else if (!wasVisible) {
    bool activate = nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE;
    showWindowNow(hWnd, activate);
  }
  return wasVisible ? TRUE : FALSE;
}

BOOL WINAPI IsWindow(HWND hWnd) {
  return findWindow(hWnd) ? TRUE : FALSE;
}

BOOL WINAPI IsWindowVisible(HWND hWnd) {
  Window* w = findWindow(hWnd);
  return w && isShown(*w) ? TRUE : FALSE;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd) {
  Window* w = findWindow(hWnd);
  return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
  Window* w = checkWindow(hWnd);
  if (!w) return FALSE;
  bool wasDisabled = (w->style & WS_DISABLED) != 0;
  if (bEnable && wasDisabled) {
    w->style &= ~WS_DISABLED;
    SendMessageA(hWnd, WM_ENABLE, TRUE, 0);
  } else if (!bEnable && !wasDisabled) {
    w->style |= WS_DISABLED;
    if (isDescendant(hWnd, windowManager().focus)) setFocusTo(nullptr);
    if (findWindow(hWnd)) SendMessageA(hWnd, WM_ENABLE, FALSE, 0);
  }
  return wasDisabled ? TRUE : FALSE;
}

HWND WINAPI GetFocus(void) {
  return findWindow(windowManager().focus) ? windowManager().focus : nullptr;
}

HWND WINAPI SetFocus(HWND hWnd) {
  if (hWnd) {
    Window* w = checkWindow(hWnd);
    // A disabled window, or one inside a disabled parent, cannot take the keyboard.
    if (!w || hWnd == windowManager().desktop || !isEnabledChain(hWnd)) return nullptr;
  }
  return setFocusTo(hWnd);
}

HWND WINAPI GetActiveWindow(void) {
  return findWindow(windowManager().active) ? windowManager().active : nullptr;
}

HWND WINAPI SetActiveWindow(HWND hWnd) {
  HWND old = GetActiveWindow();
  if (hWnd) {
    Window* w = checkWindow(hWnd);
    if (!w || w->isChild() || hWnd == windowManager().desktop) return nullptr;
  }
  activateWindow(hWnd);
  return old;
}

BOOL WINAPI SetForegroundWindow(HWND hWnd) {
  HWND root = rootWindow(hWnd);
  if (!root || root == windowManager().desktop) return FALSE;
  activateWindow(root);
  return TRUE;
}
