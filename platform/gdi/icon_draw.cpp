// DrawIcon: icons are drawn once the icon objects exist; until then nothing is drawn.
#include <windows.h>

#include "gdi/dc.h"

using namespace kx;

BOOL WINAPI DrawIcon(HDC hDC, int /*X*/, int /*Y*/, HICON hIcon) {
  if (!findDc(hDC) || !hIcon) return FALSE;
  return HandleTable::instance().find(hIcon, HandleKind::Icon) ? TRUE : FALSE;
}
