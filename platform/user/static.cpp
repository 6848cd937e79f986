// "STATIC": left, centred and right text, and icons. Other static types are drawn as an empty face.
#include "user/control_paint.h"
#include "user/control_proc.h"

namespace kx {
namespace {

struct StaticState : ControlState {
  HICON icon = nullptr;
};

DWORD staticType(HWND hwnd) {
  return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & 0x1F;
}

void paint(HWND hwnd, HDC hdc, const StaticState& state, const RECT& rect) {
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
}

LRESULT handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, StaticState& state) {
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case STM_SETICON: {
      // Icons are shared resources (LoadIcon's), so the static never destroys them.
      HICON old = state.icon;
      state.icon = reinterpret_cast<HICON>(wParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return reinterpret_cast<LRESULT>(old);
    }
    case STM_GETICON:
      return reinterpret_cast<LRESULT>(state.icon);
    case WM_SETTEXT:
    case WM_ENABLE: {
      LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return msg == WM_SETTEXT ? result : 0;
    }
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK staticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return controlWindowProc<StaticState, paint, handle>(hwnd, msg, wParam, lParam);
}

}  // namespace kx
