#include "gfx/gfx_clr.h"

int CGfxClr::SetRGB(int r, int g, int b) {
  rgb = static_cast<COLORREF>(r & 0xFF) | static_cast<COLORREF>(g & 0xFF) << 8 |
        static_cast<COLORREF>(b & 0xFF) << 16;
  return 0;
}

HPEN CGfxClr::MakePen(int width) const {
  return CreatePen(PS_SOLID, width, rgb);
}

HBRUSH CGfxClr::MakeBrush() const {
  return CreateSolidBrush(rgb);
}
