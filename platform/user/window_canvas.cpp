// How a window DC reaches the desktop's pixels.
#include "user/window_canvas.h"

#include "user/desktop.h"
#include "user/window.h"

namespace kx {

namespace {

// The parts of `clip` under visible top-level windows above `root` in the z-order.
std::vector<RECT> coveredParts(HWND root, const RECT& clip) {
  std::vector<RECT> covered;
  if (IsRectEmpty(&clip)) return covered;
  for (HWND top : windowManager().topLevels) {
    if (top == root) break;
    Window* t = findWindow(top);
    if (!t || !(t->style & WS_VISIBLE)) continue;
    RECT screen = windowScreenRect(*t);
    if (RECT part; IntersectRect(&part, &screen, &clip)) covered.push_back(part);
  }
  return covered;
}

}  // namespace

bool getWindowCanvas(HWND hwnd, WindowCanvas& canvas) {
  Desktop& desktop = Desktop::instance();
  desktop.ensureStarted();
  Window* w = findWindow(hwnd);
  if (!w) return false;
  canvas.surface = desktop.surface();
  RECT clip{0, 0, canvas.surface.width, canvas.surface.height};
  if (hwnd == windowManager().desktop) {
    canvas.origin = POINT{0, 0};
    canvas.clip = clip;
    return true;
  }
  canvas.origin = clientOriginOnScreen(*w);
  // Drawing shows only inside the client area and every parent's; a hidden window shows nothing.
  for (Window* x = w; x; x = findWindow(x->parent)) {
    RECT client{0, 0, x->clientRect.right - x->clientRect.left, x->clientRect.bottom - x->clientRect.top};
    POINT origin = clientOriginOnScreen(*x);
    OffsetRect(&client, origin.x, origin.y);
    IntersectRect(&clip, &clip, &client);
  }
  if (!isShown(*w)) SetRectEmpty(&clip);
  canvas.clip = clip;
  canvas.covered = coveredParts(rootWindow(hwnd), clip);
  return true;
}

void desktopPixelsChanged(const RECT& surfaceRect) {
  Desktop::instance().pixelsChanged(surfaceRect);
}

}  // namespace kx
