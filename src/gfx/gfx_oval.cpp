#include "gfx/gfx_oval.h"

#include "gfx/gfx_dc.h"

int CGfxOval::SetRect(const RECT& rc) {
  rect = rc;
  const int capWidth = (rc.bottom - rc.top) / 2;
  body = RECT{rc.left + capWidth, rc.top, rc.right - capWidth, rc.bottom};
  capLeft.SetRect(RECT{rc.left, rc.top, rc.left + capWidth, rc.bottom});
  capRight.SetRect(RECT{rc.right - capWidth, rc.top, rc.right, rc.bottom});
  return 0;
}

int CGfxOval::SetColor(CGfxClr* color, CGfxClr* color2) {
  clr = color;
  if (color2) clr2 = color2;
  capLeft.SetColor(color, color2);
  capRight.SetColor(color, color2);
  return 0;
}

int CGfxOval::Draw(HWND hwnd, HDC hdc) {
  if (!clr) return 0;
  CGfxDc dc(hwnd, hdc);
  {
    CGfxSel pen(dc, clr->MakePen(1));
    HBRUSH brush = clr->MakeBrush();
    CGfxSel brushSel(dc, brush);
    FillRect(dc, &body, brush);
  }
  capLeft.Draw(hwnd, dc);
  capRight.Draw(hwnd, dc);
  return 0;
}
