#include "screens/propulsion/img_warp_nacelle.h"

#include <new>

#include "app/kalyx.h"
#include "gfx/gfx_dc.h"
#include "gfx/gfx_frac.h"
#include "screens/propulsion/warp_trunc.h"

namespace {

constexpr int kHullOutline = 1;  // colour slot: white
constexpr int kDetailSize = 10;  // the circles and the small block at the right end, in pixels

}  // namespace

CImgWarpNacelle::~CImgWarpNacelle() {
  DeleteCoils();
}

void CImgWarpNacelle::DeleteCoils() {
  for (CFieldCoil*& coil : coils) {
    delete coil;
    coil = nullptr;
  }
}

int CImgWarpNacelle::SetColor(CGfxClr* line, CGfxClr* fill) {
  clr = line;
  fillClr = fill;
  return 0;
}

int CImgWarpNacelle::SetRect(const RECT& rc) {
  length = rc.right - rc.left;
  thickness = GfxFrac(length, 0.15);
  centreY = TruncSum(rc.top, thickness, 0.5);
  centreX = TruncSum(rc.left, length, 0.5);
  rect.left = TruncSum(centreX, length, -0.5);
  rect.top = TruncSum(centreY, thickness, -0.5);
  rect.right = rect.left + length;
  rect.bottom = rect.top + thickness;
  endBox =
      RECT{rect.right - thickness, rect.top, TruncSum(rect.right - thickness, thickness, 1.6), rect.bottom};

  coilWidth = GfxFrac(length, 0.06);
  coilHeight = GfxFrac(thickness, 0.8);
  coilInset = GfxFrac(thickness - coilHeight, 0.5);
  gapX = GfxFrac(length, 0.005);
  gapY = GfxFrac(thickness, 0.007);
  const int left = TruncSum(rect.left, coilWidth, 1.75);
  RECT box{left, rect.top + coilInset, left + coilWidth, rect.top + coilInset + coilHeight};
  // Laid out again, the nacelle replaces its coils rather than leaking them.
  DeleteCoils();
  for (CFieldCoil*& coil : coils) {
    coil = new (std::nothrow) CFieldCoil(app, this);
    if (coil) coil->SetRect(box);
    OffsetRect(&box, coilWidth + gapX, 0);
  }
  return 0;
}

int CImgWarpNacelle::Draw(HWND hwnd, HDC hdc) {
  if (!clr || !fillClr || !app || !app->Clr(kHullOutline)) return -1;
  CGfxDc dc(hwnd, hdc);
  HBRUSH brush = fillClr->MakeBrush();
  CGfxSel brushSel(dc, brush);
  {
    CGfxSel hullPen(dc, app->Clr(kHullOutline)->MakePen(2));
    DrawHull(dc, brush);
  }
  CGfxSel pen(dc, clr->MakePen(1));
  DrawDetail(dc);
  int result = 0;
  for (int i = 0; i < kCoils; ++i) {
    if (coils[i]) result = coils[i]->Draw(dc, i == current);
  }
  return result;
}

// The capsule with its right end blanked and replaced by a long dome behind the end band.
void CImgWarpNacelle::DrawHull(HDC hdc, HBRUSH brush) {
  RoundRect(hdc, rect.left, rect.top, rect.right, rect.bottom, GfxFrac(thickness, 1.1), thickness);
  const RECT blank{endBox.left, endBox.top - 1, endBox.right, endBox.bottom + 1};
  FillRect(hdc, &blank, brush);
  const int endWidth = endBox.right - endBox.left;
  Arc(hdc, endBox.left - endWidth, rect.top, endBox.right, rect.bottom, endBox.left, rect.bottom, endBox.left,
      rect.top);
  for (int x : {endBox.left, endBox.left + 4 * gapX}) {
    MoveToEx(hdc, x, rect.top, nullptr);
    LineTo(hdc, x, rect.bottom - 1);
  }
}

void CImgWarpNacelle::DrawDetail(HDC hdc) {
  const int s = GfxFrac(thickness, 0.15);
  const int squareLeft = rect.left + margin;
  const int squareTop = static_cast<int>(rect.top + 0.5L * thickness - s);
  RoundRect(hdc, squareLeft, squareTop, squareLeft + 2 * s, squareTop + 2 * s, 8, 8);

  const int x0 = endBox.left + 8 * gapX;
  const int yc = rect.top + thickness / 2;
  const int bottom = yc - 3 * gapY;
  const int top = TruncSum(bottom, thickness, -0.25);
  const int height = bottom - top;
  Rectangle(hdc, x0, top, x0 + kDetailSize, bottom);
  const int barLeft = x0 + gapX + height;
  RoundRect(hdc, barLeft, top, (barLeft + endBox.right) / 2, bottom, height, height);
  const int pitch = 2 * gapX + kDetailSize;
  for (int j = 0; j < 3; ++j) {
    const int x = x0 + j * pitch;
    Ellipse(hdc, x, yc, x + kDetailSize, yc + kDetailSize);
  }
  const int barTop = yc + kDetailSize + gapX;
  Rectangle(hdc, x0, barTop, x0 + 2 * pitch + kDetailSize + 5, barTop + 5);
}

int CImgWarpNacelle::Step(int delta) {
  current += delta;
  if (current < 0) current += kCoils;
  return 0;
}
