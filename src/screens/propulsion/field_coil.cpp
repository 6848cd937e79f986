#include "screens/propulsion/field_coil.h"

#include "app/kalyx.h"
#include "gfx/gfx_dc.h"
#include "gfx/gfx_frac.h"
#include "screens/propulsion/img_warp_nacelle.h"

int CFieldCoil::SetRect(const RECT& rc) {
  box = rc;
  const int width = rc.right - rc.left;
  const int height = rc.bottom - rc.top;
  const int narrow = GfxFrac(width, 0.1);
  blockBox = RECT{rc.left + narrow, rc.top, rc.right - narrow, rc.bottom};
  // 0.65 of the nacelle's 3-pixel margin: one pixel.
  const int widen = GfxFrac(CImgWarpNacelle::kMargin, 0.65);
  const int shorten = GfxFrac(height, 0.4);
  barBox = RECT{rc.left - widen, rc.top + shorten, rc.right + widen, rc.bottom - shorten};
  return 0;
}

int CFieldCoil::Draw(HDC hdc, bool highlighted) {
  if (!nacelle) return -1;
  {
    CGfxClr* yellow = highlighted && app ? app->Clr(9) : nullptr;
    CGfxSel pen(hdc, yellow ? yellow->MakePen(1) : nullptr);
    const int k = GfxFrac(blockBox.bottom - blockBox.top, 0.47);
    Rectangle(hdc, blockBox.left, blockBox.top, blockBox.right, blockBox.top + k);
    Rectangle(hdc, blockBox.left, blockBox.bottom - k, blockBox.right, blockBox.bottom);
  }
  Rectangle(hdc, barBox.left + 1, barBox.top, barBox.right - 1, barBox.bottom);
  const int a = GfxFrac(barBox.right - barBox.left, 0.35);
  const int b = GfxFrac(barBox.bottom - barBox.top, 0.35);
  Rectangle(hdc, barBox.left + a, barBox.top + b, barBox.right - a, barBox.bottom - b);
  return 0;
}
