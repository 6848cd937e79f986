#include "gfx/gfx_sprite.h"

int CGfxSprite::Draw(HWND /*hwnd*/, HDC /*hdc*/) {
  return 0;
}
