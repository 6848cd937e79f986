// "STATIC": left, centred and right text, and icons. Other static types are drawn as an empty face.
#include "user/control_paint.h"
#include "user/control_state.h"

namespace kx {
namespace {

struct StaticState {
  HFONT font = nullptr;
  HICON icon = nullptr;
};

WindowStates<StaticState>& states() {
  static WindowStates<StaticState> s;
  return s;
}

DWORD staticType(HWND hwnd) {
  return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & 0x1F;
}

void paint(HWND hwnd, const StaticState& state) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  if (!hdc) return;
  RECT rect;
  GetClientRect(hwnd, &rect);
  fillSolid(hdc, rect, kFaceColor);
  DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
  DWORD type = staticType(hwnd);
  UINT prefix = style & SS_NOPREFIX ? DT_NOPREFIX : 0;
  COLORREF color = IsWindowEnabled(hwnd) ? kTextColor : kGrayTextColor;
  std::string text = type == SS_ICON ? std::string() : windowText(hwnd);
  switch (type) {
    case SS_LEFT:
      drawControlText(hdc, state.font, text.c_str(), rect, DT_LEFT | DT_WORDBREAK | prefix, color);
      break;
    case SS_CENTER:
      drawControlText(hdc, state.font, text.c_str(), rect, DT_CENTER | DT_WORDBREAK | prefix, color);
      break;
    case SS_RIGHT:
      drawControlText(hdc, state.font, text.c_str(), rect, DT_RIGHT | DT_WORDBREAK | prefix, color);
      break;
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
      drawControlText(hdc, state.font, text.c_str(), rect, DT_LEFT | prefix, color);
      break;
    case SS_ICON:
      if (state.icon) DrawIcon(hdc, 0, 0, state.icon);
      break;
    default:
      break;
  }
  EndPaint(hwnd, &ps);
}

}  // namespace

LRESULT CALLBACK staticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) states().create(hwnd);
  StaticState* state = states().find(hwnd);
  if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_NCDESTROY:
      states().destroy(hwnd);
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case STM_SETICON: {
      // Icons are shared resources (LoadIcon's), so the static never destroys them.
      HICON old = state->icon;
      state->icon = reinterpret_cast<HICON>(wParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return reinterpret_cast<LRESULT>(old);
    }
    case STM_GETICON:
      return reinterpret_cast<LRESULT>(state->icon);
    case WM_SETTEXT:
    case WM_ENABLE: {
      LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return msg == WM_SETTEXT ? result : 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paint(hwnd, *state);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace kx
