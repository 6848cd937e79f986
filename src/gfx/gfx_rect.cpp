#include "gfx/gfx_rect.h"

#include "gfx/gfx_dc.h"

int CGfxRect::SetRect(const RECT& rc) {
  rect = rc;
  return 0;
}

int CGfxRect::Draw(HWND hwnd, HDC hdc) {
  if (!clr) return 0;
  CGfxDc dc(hwnd, hdc);
  HBRUSH brush = clr->MakeBrush();
  FillRect(dc, &rect, brush);
  if (brush) DeleteObject(brush);
  return 0;
}
