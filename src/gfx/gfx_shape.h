// The base of every drawable of the console: a rectangle, the colour it is drawn in, and a small
// virtual interface that screens walk when they paint.
#pragma once

#include <windows.h>

#include "gfx/gfx_clr.h"

class CGfxShape {
 public:
  CGfxShape() = default;
  virtual ~CGfxShape() = default;
  CGfxShape(const CGfxShape&) = delete;
  CGfxShape& operator=(const CGfxShape&) = delete;

  // Colours are borrowed from the application's colour table and never deleted by a shape.
  // The base keeps clr (null included) and ignores clr2; composites hand both on to their parts.
  virtual int SetColor(CGfxClr* clr, CGfxClr* clr2);
  virtual int Animate();
  // hdc is the context to draw into; hwnd is only passed through to parts.
  virtual int Draw(HWND hwnd, HDC hdc);
  // Screens invalidate this rectangle to repaint one shape.
  virtual const RECT* GetRect();

  CGfxClr* clr = nullptr;
  CGfxClr* clr2 = nullptr;
  RECT rect{0, 0, 0, 0};
};
