// The base of composite and figure-like shapes. The list is there for part-shapes, but the
// figures of the console keep their parts in fields of their own, so it stays empty.
#pragma once

#include <windows.h>

#include "framework/llist.h"
#include "gfx/gfx_shape.h"

class CGfxSprite : public CGfxShape {
 public:
  // A sprite without parts of its own draws nothing.
  int Draw(HWND hwnd, HDC hdc) override;

  CLList parts;
};
