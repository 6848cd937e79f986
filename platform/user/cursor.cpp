// The cursor and the system metrics.
#include <windows.h>

#include "user/desktop.h"
#include "user/input.h"
#include "user/message_queue.h"

namespace kx {

namespace {

struct CursorState {
  int showCount = 0;  // shown while >= 0
  HCURSOR current = nullptr;
};

CursorState& cursor() {
  static CursorState state;
  return state;
}

}  // namespace

void resetCursor() {
  cursor() = CursorState{};
}

}  // namespace kx

using namespace kx;

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
  if (!lpPoint) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *lpPoint = cursorPosition();
  return TRUE;
}

BOOL WINAPI SetCursorPos(int X, int Y) {
  Desktop& desktop = Desktop::instance();
  desktop.ensureStarted();
  if (desktop.clock().simulated()) {
    // Moving the cursor moves the mouse, and the window under it hears of it.
    deliverInput(InputEvent{InputEvent::Kind::MouseMove, 0, false, 0, MouseButton::Left, POINT{X, Y}});
  } else {
    setCursorPosition(POINT{X, Y});
    desktop.backend().moveCursor(cursorPosition());
  }
  return TRUE;
}

HCURSOR WINAPI SetCursor(HCURSOR hCursor) {
  HCURSOR previous = cursor().current;
  cursor().current = hCursor;
  return previous;
}

int WINAPI ShowCursor(BOOL bShow) {
  CursorState& state = cursor();
  bool wasShown = state.showCount >= 0;
  state.showCount += bShow ? 1 : -1;
  bool shown = state.showCount >= 0;
  if (shown != wasShown) Desktop::instance().backend().showCursor(shown);
  return state.showCount;
}

int WINAPI GetSystemMetrics(int nIndex) {
  SIZE screen = Desktop::instance().size();
  // Classic metrics at 96 DPI.
  switch (nIndex) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
      return screen.cx;
    case SM_CYSCREEN:
      return screen.cy;
    case SM_CYFULLSCREEN:
      return screen.cy - 19;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
      return 16;
    case SM_CYCAPTION:
      return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
      return 32;
    default:
      return 0;
  }
}
