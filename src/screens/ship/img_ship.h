// The ship seen from above, bow to the right, laid out from one rectangle so the same figure
// draws at any size. This base holds the layout and the drawing frame; a view fills in the four
// component drawings.
#pragma once

#include <windows.h>

#include "gfx/gfx_point3d.h"
#include "gfx/gfx_sprite.h"

class CImgShip : public CGfxSprite {
 public:
  // The pen colour outlines every part, the fill colour fills every closed shape.
  int SetColor(CGfxClr* pen, CGfxClr* fill) override;
  // Pylons, nacelles, hull, then the saucer on top; the result is the saucer's.
  int Draw(HWND hwnd, HDC hdc) override;
  // Keeps the rectangle's width and vertical centre; the height follows from the width.
  int LayOut(const RECT& rc);

  virtual int DrawSaucer(HDC hdc) = 0;
  virtual int DrawHull(HDC hdc) = 0;
  virtual int DrawNacelles(HDC hdc) = 0;
  virtual int DrawPylons(HDC hdc) = 0;

  CGfxClr* clrFill = nullptr;  // borrowed
  RECT rcSaucer{0, 0, 0, 0};
  RECT rcNacelleUp{0, 0, 0, 0};
  RECT rcNacelleLow{0, 0, 0, 0};
  RECT rcHull{0, 0, 0, 0};  // stored upside down: its top lies below its bottom
  RECT rcPylonUp{0, 0, 0, 0};
  RECT rcPylonLow{0, 0, 0, 0};
  int width = 0;
  int height = 0;
  int centerX = 0;
  int centerY = 0;
  // Five (position, size) pairs. x runs along the ship, z across it (screen y in the top view).
  CPoint3d ptCenter{0, 0, 0}, szOverall{0, 0, 0};
  CPoint3d ptSaucer{0, 0, 0}, szSaucer{0, 0, 0};
  CPoint3d ptHull{0, 0, 0}, szHull{0, 0, 0};
  CPoint3d ptNacelleUp{0, 0, 0}, szNacelleUp{0, 0, 0};
  CPoint3d ptNacelleLow{0, 0, 0}, szNacelleLow{0, 0, 0};

 private:
  void LayOutSaucerAndHull();
  void LayOutNacelles();
};
