// DefWindowProcA and CallWindowProcA.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "user/activation.h"
#include "user/window.h"

using namespace kx;

namespace {

// A class brush below 32 is a system colour index plus one, as Windows allows.
HBRUSH classBrush(const Window& w) {
  HBRUSH brush = w.windowClass->info.hbrBackground;
  auto value = reinterpret_cast<ULONG_PTR>(brush);
  if (value > 0 && value <= 31) return GetSysColorBrush(static_cast<int>(value - 1));
  return brush;
}

// The frame and caption of a window that has them (dialogs), drawn on the desktop around the
// client area.
void paintNonClient(HWND hwnd) {
  Window* w = findWindow(hwnd);
  if (!w || !isShown(*w)) return;
  RECT insets = nonClientInsets(w->style, w->exStyle);
  if (insets.left == 0 && insets.top == 0) return;
  RECT frame = windowScreenRect(*w);
  POINT origin = clientOriginOnScreen(*w);
  RECT client{origin.x, origin.y, origin.x + (w->clientRect.right - w->clientRect.left),
              origin.y + (w->clientRect.bottom - w->clientRect.top)};
  HDC hdc = GetDC(nullptr);
  if (!hdc) return;
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  RECT bands[] = {{frame.left, frame.top, frame.right, client.top},
                  {frame.left, client.bottom, frame.right, frame.bottom},
                  {frame.left, client.top, client.left, client.bottom},
                  {client.right, client.top, frame.right, client.bottom}};
  for (const RECT& band : bands) FillRect(hdc, &band, face);
  FrameRect(hdc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if ((w->style & WS_CAPTION) == WS_CAPTION) {
    RECT caption{client.left, frame.top + insets.left, client.right, client.top - 1};
    bool active = rootWindow(hwnd) == windowManager().active;
    HBRUSH bar = CreateSolidBrush(active ? RGB(0, 0, 128) : RGB(128, 128, 128));
    FillRect(hdc, &caption, bar);
    DeleteObject(bar);
    caption.left += 4;
    int oldMode = SetBkMode(hdc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(hdc, RGB(255, 255, 255));
    DrawTextA(hdc, w->text.c_str(), -1, &caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(hdc, oldColour);
    SetBkMode(hdc, oldMode);
  }
  ReleaseDC(nullptr, hdc);
}

}  // namespace

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Window* w = findWindow(hWnd);
  if (!w) return 0;
  switch (Msg) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (!rect) return 0;
      RECT insets = nonClientInsets(w->style, w->exStyle);
      rect->left += insets.left;
      rect->top += insets.top;
      rect->right = std::max(rect->left, rect->right - insets.right);
      rect->bottom = std::max(rect->top, rect->bottom - insets.bottom);
      return 0;
    }
    case WM_NCPAINT:
      paintNonClient(hWnd);
      return 0;
    case WM_NCACTIVATE:
      paintNonClient(hWnd);
      return TRUE;
    case WM_CLOSE:
      DestroyWindow(hWnd);
      return 0;
    case WM_ACTIVATE:
      // An activated window takes the keyboard focus.
      if (LOWORD(wParam) != WA_INACTIVE) setFocusTo(hWnd);
      return 0;
    case WM_ERASEBKGND: {
      HBRUSH brush = classBrush(*w);
      if (!brush || !wParam) return 0;
      RECT client;
      GetClientRect(hWnd, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (BeginPaint(hWnd, &ps)) EndPaint(hWnd, &ps);
      return 0;
    }
    case WM_SETTEXT: {
      auto* text = reinterpret_cast<LPCSTR>(lParam);
      w->text = text ? text : "";
      if ((w->style & WS_CAPTION) == WS_CAPTION) paintNonClient(hWnd);
      return TRUE;
    }
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<LPSTR>(lParam);
      if (!buffer || wParam == 0) return 0;
      size_t count = std::min(w->text.size(), static_cast<size_t>(wParam) - 1);
      std::memcpy(buffer, w->text.data(), count);
      buffer[count] = '\0';
      return static_cast<LRESULT>(count);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(w->text.size());
    case WM_SETCURSOR: {
      // A child lets its parent choose first.
      if (w->isChild() && SendMessageA(w->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
      // The cursor is the class cursor of the window the mouse is over (wParam).
      Window* over = findWindow(reinterpret_cast<HWND>(wParam));
      if (!over) over = findWindow(hWnd);
      if (over && LOWORD(lParam) == HTCLIENT && over->windowClass->info.hCursor) {
        SetCursor(over->windowClass->info.hCursor);
        return TRUE;
      }
      return FALSE;
    }
    default:
      return 0;
  }
}

LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}
