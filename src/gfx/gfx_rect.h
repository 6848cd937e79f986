// A flat filled rectangle, the bars and blocks of the console frame.
#pragma once

#include <windows.h>

#include "gfx/gfx_shape.h"

class CGfxRect : public CGfxShape {
 public:
  int SetRect(const RECT& rc);
  // Left and top edges are filled, right and bottom left out; without a colour nothing is drawn.
  int Draw(HWND hwnd, HDC hdc) override;
};
