// Table shapes. The grid table draws a fixed scale of five labelled rows, 40 pixels apart from the
// top of its box whatever the box's height.
#pragma once

#include <windows.h>

#include "gfx/gfx_sprite.h"

class CKalyx;

class CGfxTbl : public CGfxSprite {
 public:
  int SetRect(const RECT& rc);

  // The application whose small font the table writes in; null keeps the context's font.
  CKalyx* font = nullptr;
  COLORREF textRgb = 0;  // lines and text
  COLORREF backRgb = 0;  // text background
};

class CGfxGridTbl : public CGfxTbl {
 public:
  int Draw(HWND hwnd, HDC hdc) override;
};
