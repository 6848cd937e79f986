// The warp core: a vertical column between a domed funnel at the top and a bowled funnel at the
// bottom, ringed by segments above and below a central chamber drawn as a cross of two rounded
// boxes.
#pragma once

#include <windows.h>

#include "gfx/gfx_sprite.h"

class CKalyx;

class CImgWarpCore : public CGfxSprite {
 public:
  static constexpr int kSegmentsEachSide = 5;

  explicit CImgWarpCore(CKalyx* app) : app(app) {}

  // The line colour (clr) and the fill colour.
  int SetColor(CGfxClr* line, CGfxClr* fill) override;
  // The core is 26 % as wide as rc is high, centred in rc; read the box back with GetRect.
  int SetRect(const RECT& rc);
  // -1 and nothing drawn without both colours.
  int Draw(HWND hwnd, HDC hdc) override;

  CKalyx* app;                 // not owned
  CGfxClr* fillClr = nullptr;  // borrowed
  int coreWidth = 0;
  int coreHeight = 0;
  int centreX = 0;
  RECT topCap{0, 0, 0, 0};
  RECT bottomCap{0, 0, 0, 0};
  RECT chamberBand{0, 0, 0, 0};
  RECT chamberTall{0, 0, 0, 0};
  RECT chamberWide{0, 0, 0, 0};
  RECT segmentBox{0, 0, 0, 0};  // left where the last segment was drawn
  int segmentWidth = 0;
  int segmentStep = 0;

 private:
  void DrawCaps(HDC hdc);
  void DrawSegments(HDC hdc);
};
