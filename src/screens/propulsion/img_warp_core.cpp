#include "screens/propulsion/img_warp_core.h"

#include "gfx/gfx_dc.h"
#include "gfx/gfx_frac.h"
#include "screens/propulsion/warp_trunc.h"

int CImgWarpCore::SetColor(CGfxClr* line, CGfxClr* fill) {
  clr = line;
  fillClr = fill;
  return 0;
}

int CImgWarpCore::SetRect(const RECT& rc) {
  rect = rc;
  coreHeight = rc.bottom - rc.top;
  centreX = TruncSum(rc.left, rc.right - rc.left, 0.5);
  const int half = GfxFrac(coreHeight, 0.13);
  rect.left = centreX - half;
  rect.right = centreX + half;
  coreWidth = 2 * half;

  const int capHeight = GfxFrac(coreHeight, 0.15);
  const int capInset = GfxFrac(coreWidth, 0.1);
  topCap = RECT{rect.left + capInset, rect.top, rect.right - capInset, rect.top + capHeight};
  bottomCap = RECT{rect.left + capInset, rect.bottom - capHeight, rect.right - capInset, rect.bottom};
  segmentStep = (bottomCap.top - topCap.bottom) / 11;
  segmentWidth = GfxFrac(coreWidth, 0.6);
  segmentBox.left = TruncSum(centreX, segmentWidth, -0.5);
  segmentBox.right = TruncSum(centreX, segmentWidth, 0.5);

  const int bandInset = GfxFrac(coreHeight, 0.42);
  chamberBand = RECT{rect.left, rect.top + bandInset, rect.right, rect.bottom - bandInset};
  const int tallInset = GfxFrac(chamberBand.right - chamberBand.left, 0.14);
  chamberTall = chamberBand;
  InflateRect(&chamberTall, -tallInset, 0);
  const int wideInset = GfxFrac(chamberBand.bottom - chamberBand.top, 0.19);
  chamberWide = chamberBand;
  InflateRect(&chamberWide, 0, -wideInset);
  return 0;
}

int CImgWarpCore::Draw(HWND hwnd, HDC hdc) {
  if (!clr || !fillClr) return -1;
  CGfxDc dc(hwnd, hdc);
  CGfxSel brush(dc, fillClr->MakeBrush());
  CGfxSel pen(dc, clr->MakePen(1));
  DrawCaps(dc);
  Rectangle(dc, segmentBox.left - 1, topCap.bottom, segmentBox.right + 1, bottomCap.top);
  // The upper segments may reach into the top cap; drawn later, they cover it.
  DrawSegments(dc);
  RoundRect(dc, chamberTall.left, chamberTall.top, chamberTall.right, chamberTall.bottom, 8, 8);
  RoundRect(dc, chamberWide.left, chamberWide.top, chamberWide.right, chamberWide.bottom, 15, 15);
  return 0;
}

// A shallow dome over a funnel pointing down, and the mirror image at the bottom.
void CImgWarpCore::DrawCaps(HDC hdc) {
  const int s = segmentStep;
  Arc(hdc, topCap.left - s, topCap.top - s / 2, topCap.right + s, topCap.bottom, topCap.right, topCap.top,
      topCap.left, topCap.top);
  const POINT funnelDown[] = {
      {centreX, topCap.bottom + s}, {topCap.left, topCap.top}, {topCap.right, topCap.top}};
  Polygon(hdc, funnelDown, 3);
  Arc(hdc, bottomCap.left - s, bottomCap.top, bottomCap.right + s, bottomCap.bottom + s / 2, bottomCap.left,
      bottomCap.bottom, bottomCap.right, bottomCap.bottom);
  const POINT funnelUp[] = {
      {centreX, bottomCap.top - s}, {bottomCap.left, bottomCap.bottom}, {bottomCap.right, bottomCap.bottom}};
  Polygon(hdc, funnelUp, 3);
}

// Five segments down from the chamber band's bottom edge, then five up from its top edge.
void CImgWarpCore::DrawSegments(HDC hdc) {
  const int s = segmentStep;
  for (int i = 0; i < kSegmentsEachSide; ++i) {
    segmentBox.top = chamberBand.bottom + i * s;
    segmentBox.bottom = segmentBox.top + s;
    RoundRect(hdc, segmentBox.left, segmentBox.top, segmentBox.right, segmentBox.bottom, 8, 8);
  }
  for (int i = 0; i < kSegmentsEachSide; ++i) {
    segmentBox.bottom = chamberBand.top - i * s;
    segmentBox.top = segmentBox.bottom - s;
    RoundRect(hdc, segmentBox.left, segmentBox.top, segmentBox.right, segmentBox.bottom, 8, 8);
  }
}
