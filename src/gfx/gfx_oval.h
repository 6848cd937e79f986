// The oval button: a straight body with a half-disc at each end.
#pragma once

#include <windows.h>

#include "gfx/gfx_round.h"
#include "gfx/gfx_sprite.h"

class CGfxOval : public CGfxSprite {
 public:
  // The caps take half the height each (rounded down), cut off the two ends of the given box.
  int SetRect(const RECT& rc);
  // clr2 is kept only when given, so a second colour survives recolouring with one.
  int SetColor(CGfxClr* color, CGfxClr* color2) override;
  int Draw(HWND hwnd, HDC hdc) override;

  RECT body{0, 0, 0, 0};
  CGfxHlfRnd capLeft{1};
  CGfxHlfRnd capRight{2};
};
