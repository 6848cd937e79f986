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
  // Whether the program has set a cursor yet: until then the pointer shows the desktop's arrow.
  bool set = false;
  bool shown = true;  // what the backend was last told
};

CursorState& cursor() {
  static CursorState state;
  return state;
}

// The pointer is on the screen while the show count is not negative and a cursor is set.
void updatePointer() {
  CursorState& state = cursor();
  bool shown = state.showCount >= 0 && (state.current || !state.set);
  if (shown == state.shown) return;
  state.shown = shown;
  Desktop::instance().backend().showCursor(shown);
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
  CursorState& state = cursor();
  HCURSOR previous = state.current;
  state.current = hCursor;
  state.set = true;
  updatePointer();
  return previous;
}

HCURSOR WINAPI GetCursor(void) {
  return cursor().current;
}

int WINAPI ShowCursor(BOOL bShow) {
  CursorState& state = cursor();
  state.showCount += bShow ? 1 : -1;
  updatePointer();
  return state.showCount;
}

int WINAPI GetSystemMetrics(int nIndex) {
  // The screen is the primary display; the virtual screen is the whole desktop, every display.
  const RECT primary = Desktop::instance().primaryMonitor();
  const SIZE screen{primary.right - primary.left, primary.bottom - primary.top};
  const SIZE all = Desktop::instance().size();
  // Classic metrics at 96 DPI.
  switch (nIndex) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
      return screen.cx;
    case SM_CYSCREEN:
      return screen.cy;
    case SM_CYFULLSCREEN:
      return screen.cy - 19;
    case SM_XVIRTUALSCREEN:
    case SM_YVIRTUALSCREEN:
      return 0;
    case SM_CXVIRTUALSCREEN:
      return all.cx;
    case SM_CYVIRTUALSCREEN:
      return all.cy;
    case SM_CMONITORS:
      return static_cast<int>(Desktop::instance().monitors().size());
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
