#include <windows.h>

#include "backends/screen_size.h"
#include "gdi/dc.h"

using namespace kx;

SIZE kx::desktopSize() {
  // Before any desktop is open the default headless desktop's size, which the first window opens.
  SIZE size = screenSize();
  return size.cx > 0 ? size : SIZE{1024, 768};
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
  if (!findDc(hdc)) return 0;
  switch (index) {
    case HORZRES:
      return desktopSize().cx;
    case VERTRES:
      return desktopSize().cy;
    case BITSPIXEL:
      return 32;
    case PLANES:
      return 1;
    case NUMCOLORS:
      return -1;  // more than 256 colours
    case RASTERCAPS:
      return 0;  // no palette device
    case LOGPIXELSX:
    case LOGPIXELSY:
      return 96;
    case SIZEPALETTE:
      return 0;
    default:
      return 0;
  }
}
