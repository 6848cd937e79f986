// Stand-ins for calls that the window manager defines, so the GDI links and runs
// on its own: memory DCs work, window DCs find no window. They are weak: the real definitions,
// once linked, replace them.
#include <windows.h>

#include "user/window_canvas.h"

__attribute__((weak)) HWND WINAPI GetDesktopWindow(void) {
  return nullptr;
}

namespace kx {

__attribute__((weak)) bool getWindowCanvas(HWND, WindowCanvas&) {
  return false;
}
__attribute__((weak)) void desktopPixelsChanged(const RECT&) {}

}  // namespace kx
