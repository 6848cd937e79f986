#include "gfx/gfx_round.h"

#include "gfx/gfx_dc.h"

namespace {

// Half- and quarter-rounds are solid pies with no outline.
// A round without a colour draws nothing rather than reading through a null colour.
int DrawFilledPie(const CGfxPie& pie, HWND hwnd, HDC hdc) {
  if (!pie.clr) return 0;
  CGfxDc dc(hwnd, hdc);
  CGfxSel pen(dc, CreatePen(PS_NULL, 1, 0));
  CGfxSel brush(dc, pie.clr->MakeBrush());
  const RECT& box = pie.pieBox;
  Pie(dc, box.left, box.top, box.right, box.bottom, pie.radialStart.x, pie.radialStart.y, pie.radialEnd.x,
      pie.radialEnd.y);
  return 0;
}

// GDI's Pie leaves out the right and bottom edges with a null pen, so the rounds keep their box
// one pixel wider and taller than the one they are given.
RECT Widened(const RECT& rc) {
  return RECT{rc.left, rc.top, rc.right + 1, rc.bottom + 1};
}

}  // namespace

void CGfxPie::SetQuarter(int right, int bottom) {
  const int left = rect.left;
  const int top = rect.top;
  const int w = right - left;
  const int h = bottom - top;
  pieBox = rect;
  switch (orient) {
    case 1:
      radialStart = {left, top};
      radialEnd = {right - 1, bottom - 1};
      pieBox.top = top - (h - 1);
      pieBox.right = right + w;
      break;
    case 2:
      radialStart = {right - 1, bottom - 1};
      radialEnd = {left, top};
      pieBox.bottom = bottom + h;
      pieBox.left = left - (w - 1);
      break;
    case 3:
      radialStart = {right - 1, top};
      radialEnd = {left, bottom - 1};
      pieBox.bottom = bottom + h;
      pieBox.right = right + w;
      break;
    case 4:
      radialStart = {left, bottom - 1};
      radialEnd = {right - 1, top};
      pieBox.top = top - (h - 1);
      pieBox.left = left - (w - 1);
      break;
    default:
      break;
  }
}

int CGfxHlfRnd::SetRect(const RECT& rc) {
  rect = Widened(rc);
  pieBox = rect;
  const int left = rect.left;
  const int top = rect.top;
  const int right = rect.right;
  const int bottom = rect.bottom;
  const int w = right - left;
  const int h = bottom - top;
  switch (orient) {
    case 1:
      radialStart = {right - 1, top};
      radialEnd = {right - 1, bottom};
      pieBox.right = right + w;
      break;
    case 2:
      radialStart = {left - 1, bottom};
      radialEnd = {left - 1, top};
      pieBox.left = left - w;
      break;
    case 3:
      radialStart = {right, bottom - 1};
      radialEnd = {left, bottom - 1};
      pieBox.bottom = bottom + h;
      break;
    case 4:
      radialStart = {left, top - 1};
      radialEnd = {right, top - 1};
      pieBox.top = top - h;
      break;
    default:
      break;
  }
  return 0;
}

int CGfxHlfRnd::Draw(HWND hwnd, HDC hdc) {
  return DrawFilledPie(*this, hwnd, hdc);
}

int CGfxQtrRnd::SetRect(const RECT& rc) {
  rect = Widened(rc);
  SetQuarter(rect.right, rect.bottom);
  return 0;
}

int CGfxQtrRnd::Draw(HWND hwnd, HDC hdc) {
  return DrawFilledPie(*this, hwnd, hdc);
}

int CGfxQtrArc::SetRect(const RECT& rc, int width) {
  penWidth = width;
  rect = rc;
  SetQuarter(rect.right, rect.bottom);
  return 0;
}

// The inside-frame pen keeps the thick stroke within the ellipse; the selected brush is untouched
// since an arc is never filled.
int CGfxQtrArc::Draw(HWND hwnd, HDC hdc) {
  if (!clr) return 0;
  CGfxDc dc(hwnd, hdc);
  CGfxSel pen(dc, CreatePen(PS_INSIDEFRAME, penWidth, clr->GetRGB()));
  Arc(dc, pieBox.left, pieBox.top, pieBox.right, pieBox.bottom, radialStart.x, radialStart.y, radialEnd.x,
      radialEnd.y);
  return 0;
}
