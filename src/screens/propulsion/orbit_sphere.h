// The wire-frame planet: an outline disc, meridians that turn one degree at a time and fixed
// parallels, seen from 5 degrees above the equator.
#pragma once

#include <windows.h>

#include "gfx/gfx_sprt3d.h"
#include "screens/propulsion/orbit_grid.h"

class CKalyx;

class CSphere : public CGfxSprt3d {
 public:
  CSphere(CKalyx* app, int meridians, int parallels);
  ~CSphere() override;

  // Keeps both colours; the grid is always drawn in cyan.
  int SetColor(CGfxClr* color, CGfxClr* color2) override;
  // The outline disc takes the brush selected in hdc, hiding what lies behind the planet.
  int Draw(HWND hwnd, HDC hdc) override;
  // Lays the sphere into the square of rc and builds its grid: 0, -991 out of memory, or -1 for
  // a grid line that could not be made.
  int SetRect(const RECT& rc);
  // Turns the meridians by angles->y degrees about the sphere's own axis; the pivot is ignored,
  // so the three-angle form turns a sphere too.
  using CGfxSprt3d::RotateAbout;
  int RotateAbout(const CPoint3d* angles, const CPoint3d* pivot) override;

  CKalyx* app;
  RECT outline{0, 0, 0, 0};
  int halfW = 0;
  int halfH = 0;
  int cx = 0;
  int cy = 0;
  int radius = 0;
  int meridianCount;
  int parallelCount;
  const int tilt = 5;
  double cosTilt = 0;
  double sinTilt = 0;
  double tanTilt = 0;
  CGridSphrV** meridians = nullptr;  // owned, with the lines
  CGridSphrH** parallels = nullptr;

 private:
  int BuildMeridians();
  int BuildParallels();
  void DestroyGrid();
};
