#include "gfx/gfx_shape.h"

int CGfxShape::SetColor(CGfxClr* color, CGfxClr* /*color2*/) {
  clr = color;
  return 0;
}

int CGfxShape::Animate() {
  return 0;
}

int CGfxShape::Draw(HWND /*hwnd*/, HDC /*hdc*/) {
  return 0;
}

const RECT* CGfxShape::GetRect() {
  return &rect;
}
