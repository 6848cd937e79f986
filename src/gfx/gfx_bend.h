// The elbow of the console frame: a wide vertical column meeting a thin horizontal bar, with a
// rounded outer corner and a concave rounding on the inside.
#pragma once

#include <windows.h>

#include <array>

#include "gfx/gfx_rect.h"
#include "gfx/gfx_round.h"
#include "gfx/gfx_sprite.h"

struct CGfxBendDims {
  int armWidth;   // width of the vertical arm
  int armHeight;  // thickness of the horizontal arm
};

class CGfxBend : public CGfxSprite {
 public:
  // Orientation (the rounded outer corner): 1 bottom-left, 2 top-right, 3 top-left, 4 bottom-right.
  explicit CGfxBend(int orientation);

  int SetRect(const RECT& rc, CGfxBendDims dims);
  // Recolours the six parts; the bend itself keeps no colour.
  int SetColor(CGfxClr* color, CGfxClr* color2) override;
  // The fillet goes last, over the arms it rounds into.
  int Draw(HWND hwnd, HDC hdc) override;

  const int orient;
  // The bend keeps its box here, not in rect, so GetRect of a bend stays empty.
  RECT rcBend{0, 0, 0, 0};
  int armWidth = 0;
  int armHeight = 0;
  RECT rcArmV{0, 0, 0, 0};
  RECT rcArmH{0, 0, 0, 0};

  CGfxRect armV;
  CGfxRect armH;
  CGfxRect fillInner;
  CGfxRect fillCorner;
  CGfxQtrRnd corner;
  CGfxQtrArc fillet;

 private:
  // The parts in drawing order.
  std::array<CGfxShape*, 6> Parts() { return {&armV, &armH, &fillInner, &fillCorner, &corner, &fillet}; }
  void LayOutBottomLeft(int k1, int k2, int g);
  void LayOutTopLeft(int k1, int k2, int g);
  void LayOutTopRight();
  void LayOutBottomRight();
};
