// A warp nacelle: a horizontal capsule outlined in white, its right end blanked and closed by a
// long dome behind an end band, a little detail at both ends and a row of eleven field coils, one
// of them highlighted.
#pragma once

#include <windows.h>

#include <array>

#include "gfx/gfx_sprite.h"
#include "screens/propulsion/field_coil.h"

class CKalyx;

class CImgWarpNacelle : public CGfxSprite {
 public:
  static constexpr int kCoils = 11;
  static constexpr int kMargin = 3;

  explicit CImgWarpNacelle(CKalyx* app) : app(app) {}
  ~CImgWarpNacelle() override;

  // The line colour (clr) and the fill colour.
  int SetColor(CGfxClr* line, CGfxClr* fill) override;
  // Lays the hull out from rc's top edge and width alone (its thickness is 15 % of its length)
  // and creates the coils; read the hull box back with GetRect.
  int SetRect(const RECT& rc);
  // The last coil's result; -1 without both colours.
  int Draw(HWND hwnd, HDC hdc) override;
  // Moves the highlight by delta coils, wrapping below coil 0 to coil 10.
  int Step(int delta);
  int GetCurrent() const { return current; }

  CKalyx* app;                 // not owned
  CGfxClr* fillClr = nullptr;  // borrowed
  int length = 0;
  int thickness = 0;
  int centreX = 0;
  int centreY = 0;
  RECT endBox{0, 0, 0, 0};  // the end band and the dome's centre band, on the hull's right end
  int coilWidth = 0;
  int coilHeight = 0;
  int margin = kMargin;
  int coilInset = 0;
  int gapX = 0;
  int gapY = 0;
  int current = kCoils - 1;
  std::array<CFieldCoil*, kCoils> coils{};  // owned, left to right; a failed creation stays null

 private:
  void DeleteCoils();
  void DrawHull(HDC hdc, HBRUSH brush);
  void DrawDetail(HDC hdc);
};
