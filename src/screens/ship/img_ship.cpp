#include "screens/ship/img_ship.h"

#include "gfx/gfx_dc.h"
#include "gfx/gfx_frac.h"

namespace {

// base + frac x size in extended precision, truncated toward zero; frac is negative to subtract.
int Offset(int base, double frac, int size) {
  return static_cast<int>(base + static_cast<long double>(frac) * size);
}

}  // namespace

int CImgShip::SetColor(CGfxClr* pen, CGfxClr* fill) {
  clr = pen;
  clrFill = fill;
  return 0;
}

int CImgShip::Draw(HWND /*hwnd*/, HDC hdc) {
  CGfxSel pen(hdc, clr ? clr->MakePen(1) : nullptr);
  CGfxSel brush(hdc, clrFill ? clrFill->MakeBrush() : nullptr);
  DrawPylons(hdc);
  DrawNacelles(hdc);
  DrawHull(hdc);
  return DrawSaucer(hdc);
}

int CImgShip::LayOut(const RECT& rc) {
  rect = rc;
  centerX = rect.left + (rect.right - rect.left) / 2;
  centerY = rect.top + (rect.bottom - rect.top) / 2;
  width = rect.right - rect.left;
  // The figure's height follows from its width; the rectangle's own height only places it.
  rect.top = Offset(centerY, -0.186, width);
  rect.bottom = Offset(centerY, 0.186, width);
  height = rect.bottom - rect.top;
  ptCenter.Set(centerX, centerY, centerY);
  szOverall.Set(width, GfxFrac(width, 0.203), GfxFrac(width, 0.186));
  LayOutSaucerAndHull();
  LayOutNacelles();
  return 0;
}

void CImgShip::LayOutSaucerAndHull() {
  szSaucer.Set(GfxFrac(width, 0.7), GfxFrac(szOverall.y, 0.4), szOverall.z);
  ptSaucer.Set(rect.right - szSaucer.x / 2, centerY + szSaucer.y / 2, centerY);
  rcSaucer = RECT{Offset(rect.right, -0.7, width), Offset(rect.top, 0.02, height), rect.right,
                  Offset(rect.bottom, -0.02, height)};

  rcHull = RECT{rect.left, Offset(centerY, 0.1875, height), Offset(rect.left, 0.51, width),
                Offset(centerY, -0.1875, height)};
  szHull.Set(rcHull.right - rcHull.left, 0, rcHull.bottom - rcHull.top);
  ptHull.Set(rect.left + szHull.x / 2, centerY, centerY);
}

void CImgShip::LayOutNacelles() {
  const int left = Offset(rect.left, 0.05, width);
  const int right = Offset(left, 0.25, width);
  rcNacelleUp = RECT{left, rect.top, right, Offset(rect.top, 0.14, height)};
  rcNacelleLow = RECT{left, Offset(rect.bottom, -0.14, height), right, rect.bottom};
  szNacelleUp.Set(right - left, 0, rcNacelleUp.bottom - rcNacelleUp.top);
  szNacelleLow.Copy(szNacelleUp);
  ptNacelleUp.Set(left + szNacelleUp.x / 2, centerY, rcNacelleUp.top + szNacelleUp.z / 2);
  ptNacelleLow.Set(left + szNacelleUp.x / 2, centerY, rcNacelleLow.top + szNacelleUp.z / 2);

  // The spans the pylons cover between the hull's centre line and the nacelles.
  const int pylonLeft = left + GfxFrac(szNacelleUp.x, 0.02);
  const int pylonRight = left + GfxFrac(szNacelleUp.x, 0.74);
  rcPylonUp = RECT{pylonLeft, rcNacelleUp.bottom - 2, pylonRight, centerY};
  rcPylonLow = RECT{pylonLeft, centerY, pylonRight, 2 * centerY - (rcNacelleUp.bottom - 2)};
}
