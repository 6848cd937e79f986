// What the layer's controls ("BUTTON", "EDIT", "STATIC") answer alike. Their state lives from
// WM_NCCREATE to WM_NCDESTROY, they keep the font WM_SETFONT hands them, and their paint covers the
// whole client area, so erasing the background first would only make them flicker.
#pragma once

#include <windows.h>

#include "user/control_state.h"

namespace kx {

struct ControlState {
  HFONT font = nullptr;
};

// One window procedure per control class: `State` derives from ControlState, `paint` draws the
// client rectangle into the paint DC, and `handle` answers every other message (WM_NCCREATE
// included, after the state exists), ending in DefWindowProcA for what it leaves alone.
template <class State, void (*paint)(HWND, HDC, const State&, const RECT&),
          LRESULT (*handle)(HWND, UINT, WPARAM, LPARAM, State&)>
LRESULT controlWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  static WindowStates<State> states;
  if (msg == WM_NCCREATE) states.create(hwnd);
  State* state = states.find(hwnd);
  if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_NCDESTROY:
      states.destroy(hwnd);
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      if (!hdc) return 0;
      RECT client;
      GetClientRect(hwnd, &client);
      paint(hwnd, hdc, *state, client);
      EndPaint(hwnd, &ps);
      return 0;
    }
    default:
      return handle(hwnd, msg, wParam, lParam, *state);
  }
}

}  // namespace kx
