// Invalidation and painting: InvalidateRect, ValidateRect, GetUpdateRect, BeginPaint, EndPaint,
// UpdateWindow.
//
// The update region is kept as a bounding rectangle, so validating a part of it only shrinks it
// when what is left is a rectangle again; WM_PAINT may then cover a little more than Windows'
// region would.
#include "user/paint.h"

#include "user/message_queue.h"
#include "user/window.h"
#include "user/window_canvas.h"

namespace kx {

namespace {

RECT clientArea(const Window& w) {
  return RECT{0, 0, w.clientRect.right - w.clientRect.left, w.clientRect.bottom - w.clientRect.top};
}

// Adds a client rectangle to a window's update region; a parent that does not clip its children
// paints over them, so the part over each child is invalid in the child too.
void invalidate(HWND hwnd, const RECT& rect, bool erase) {
  Window* w = findWindow(hwnd);
  if (!w) return;
  RECT area = clientArea(*w);
  RECT part;
  if (!IntersectRect(&part, &rect, &area)) return;
  UnionRect(&w->update, &w->update, &part);
  w->erasePending = w->erasePending || erase;
  if (w->style & WS_CLIPCHILDREN) return;
  for (HWND child : w->children) {
    Window* c = findWindow(child);
    if (!c || !(c->style & WS_VISIBLE)) continue;
    RECT inChild = part;
    OffsetRect(&inChild, -c->clientRect.left, -c->clientRect.top);
    invalidate(child, inChild, erase);
  }
}

bool needsPaint(const Window& w) {
  return !IsRectEmpty(&w.update) && isShown(w);
}

void validate(Window& w) {
  SetRectEmpty(&w.update);
  w.erasePending = false;
}

}  // namespace

void invalidateTree(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w) return;
  RECT all = clientArea(*w);
  UnionRect(&w->update, &w->update, &all);
  w->erasePending = true;
  for (HWND child : std::vector<HWND>(w->children)) {
    if (Window* c = findWindow(child); c && (c->style & WS_VISIBLE)) invalidateTree(child);
  }
}

void eraseIfPending(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w || !w->erasePending || IsRectEmpty(&w->update)) return;
  HDC hdc = getClippedWindowDc(hwnd, w->update);
  if (!hdc) return;
  LRESULT erased = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
  ReleaseDC(hwnd, hdc);
  if (erased) {
    if (Window* still = findWindow(hwnd)) still->erasePending = false;
  }
}

HWND windowNeedingPaint(HWND filter) {
  for (HWND hwnd : windowsInPaintOrder()) {
    Window* w = findWindow(hwnd);
    if (w && needsPaint(*w) && matchesWindowFilter(filter, hwnd)) return hwnd;
  }
  return nullptr;
}

}  // namespace kx

using namespace kx;

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
  if (!hWnd || hWnd == windowManager().desktop) {
    // The whole screen: every top-level window repaints.
    for (HWND top : std::vector<HWND>(windowManager().topLevels)) InvalidateRect(top, nullptr, bErase);
    return TRUE;
  }
  Window* w = checkWindow(hWnd);
  if (!w) return FALSE;
  invalidate(hWnd, lpRect ? *lpRect : clientArea(*w), bErase != FALSE);
  return TRUE;
}

BOOL WINAPI ValidateRect(HWND hWnd, const RECT* lpRect) {
  Window* w = checkWindow(hWnd);
  if (!w) return FALSE;
  if (!lpRect) {
    validate(*w);
    return TRUE;
  }
  RECT& u = w->update;
  const RECT& v = *lpRect;
  bool coversWidth = v.left <= u.left && v.right >= u.right;
  bool coversHeight = v.top <= u.top && v.bottom >= u.bottom;
  if (coversWidth && coversHeight) {
    validate(*w);
  } else if (coversWidth && v.top <= u.top && v.bottom > u.top) {
    u.top = v.bottom;
  } else if (coversWidth && v.bottom >= u.bottom && v.top < u.bottom) {
    u.bottom = v.top;
  } else if (coversHeight && v.left <= u.left && v.right > u.left) {
    u.left = v.right;
  } else if (coversHeight && v.right >= u.right && v.left < u.right) {
    u.right = v.left;
  }
  if (IsRectEmpty(&u)) validate(*w);
  return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase) {
  Window* w = checkWindow(hWnd);
  if (!w) return FALSE;
  RECT update = w->update;
  if (IsRectEmpty(&update)) SetRectEmpty(&update);
  if (lpRect) *lpRect = update;
  if (IsRectEmpty(&update)) return FALSE;
  if (bErase) eraseIfPending(hWnd);
  return TRUE;
}

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
  Window* w = checkWindow(hWnd);
  if (!w || !lpPaint) {
    if (w) SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  *lpPaint = PAINTSTRUCT{};
  lpPaint->rcPaint = w->update;
  if (IsRectEmpty(&lpPaint->rcPaint)) SetRectEmpty(&lpPaint->rcPaint);
  bool erase = w->erasePending && !IsRectEmpty(&w->update);
  validate(*w);
  // As on Windows, the paint DC draws only inside the update region.
  HDC hdc = getClippedWindowDc(hWnd, lpPaint->rcPaint);
  if (!hdc) return nullptr;
  // fErase tells the procedure that the background still needs erasing: WM_ERASEBKGND said no.
  if (erase)
    lpPaint->fErase = SendMessageA(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) ? FALSE : TRUE;
  lpPaint->hdc = hdc;
  return hdc;
}

BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
  if (!lpPaint || !lpPaint->hdc) return FALSE;
  ReleaseDC(hWnd, lpPaint->hdc);
  return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hWnd) {
  Window* w = checkWindow(hWnd);
  if (!w) return FALSE;
  if (needsPaint(*w)) SendMessageA(hWnd, WM_PAINT, 0, 0);
  w = findWindow(hWnd);
  if (!w) return TRUE;
  for (HWND child : std::vector<HWND>(w->children)) {
    if (findWindow(child)) UpdateWindow(child);
  }
  return TRUE;
}
