// What a DC remembers between calls; SaveDC pushes a copy, RestoreDC pops back to one.
#pragma once

#include <windows.h>

namespace kx {

HGDIOBJ stockObject(int index);

struct DcState {
  // Every default of a new DC, window or memory, is set here and nowhere else.
  static DcState defaults();

  HPEN pen = nullptr;
  HBRUSH brush = nullptr;
  HFONT font = nullptr;
  HPALETTE palette = nullptr;
  HBITMAP bitmap = nullptr;  // memory DCs only
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  int bkMode = OPAQUE;
  int rop2 = R2_COPYPEN;
  int polyFillMode = ALTERNATE;
  UINT textAlign = TA_LEFT | TA_TOP;
  POINT brushOrigin{0, 0};
  POINT position{0, 0};
};

}  // namespace kx
