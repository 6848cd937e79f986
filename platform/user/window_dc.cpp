// Window DCs: drawing straight onto the desktop's pixels through a window's client area.
#include <windows.h>

#include <utility>

#include "gdi/dc.h"
#include "kernel/api_boundary.h"
#include "user/window_canvas.h"

namespace kx {

namespace {

class WindowDc : public DcObject {
 public:
  explicit WindowDc(HWND hwnd) : m_window(hwnd) {}
  WindowDc(HWND hwnd, const RECT& clientClip) : m_window(hwnd), m_clipped(true), m_clientClip(clientClip) {}
  bool target(DrawTarget& out) override {
    WindowCanvas canvas;
    if (!getWindowCanvas(m_window, canvas)) return false;
    out.surface = canvas.surface;
    out.origin = canvas.origin;
    out.clip = canvas.clip;
    out.covered = std::move(canvas.covered);
    if (m_clipped) {
      RECT extra = m_clientClip;
      OffsetRect(&extra, canvas.origin.x, canvas.origin.y);
      if (!IntersectRect(&out.clip, &out.clip, &extra)) SetRectEmpty(&out.clip);
    }
    return true;
  }
  void changed(const RECT& surfaceRect) override { desktopPixelsChanged(surfaceRect); }
  HWND window() const override { return m_window; }

 private:
  HWND m_window;
  bool m_clipped = false;
  RECT m_clientClip{};
};

}  // namespace

}  // namespace kx

using namespace kx;

HDC WINAPI GetDC(HWND hWnd) {
  // A null window means the whole screen, as the desktop window sees it.
  HWND window = hWnd ? hWnd : GetDesktopWindow();
  WindowCanvas canvas;
  if (!getWindowCanvas(window, canvas)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return failSafe<HDC>(nullptr, [&] {
    return static_cast<HDC>(HandleTable::instance().add(std::make_unique<WindowDc>(window)));
  });
}

HDC kx::getClippedWindowDc(HWND hwnd, const RECT& clientClip) {
  WindowCanvas canvas;
  if (!getWindowCanvas(hwnd, canvas)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return failSafe<HDC>(nullptr, [&] {
    return static_cast<HDC>(HandleTable::instance().add(std::make_unique<WindowDc>(hwnd, clientClip)));
  });
}

HDC WINAPI GetWindowDC(HWND hWnd) {
  return GetDC(hWnd);
}

int WINAPI ReleaseDC(HWND /*hWnd*/, HDC hDC) {
  auto* dc = lookup<DcObject>(hDC);
  if (!dc || dc->isMemory()) return 0;
  HandleTable::instance().remove(hDC);
  return 1;
}
