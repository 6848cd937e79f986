#include "gfx/gfx_bend.h"

#include "gfx/gfx_dc.h"
#include "gfx/gfx_frac.h"

namespace {

// A small block beside both arms, about a quarter of the corner's size; its far corner is
// truncated from a floating value like the rest of the frame's fractions.
int TruncQuarter(int base, int k, int sign) {
  return static_cast<int>(static_cast<long double>(base) + sign * 0.25L * static_cast<long double>(k));
}

RECT Moved(const RECT& rc, int dx, int dy) {
  return RECT{rc.left + dx, rc.top + dy, rc.right + dx, rc.bottom + dy};
}

}  // namespace

CGfxBend::CGfxBend(int orientation) : orient(orientation), corner(orientation), fillet(orientation) {}

int CGfxBend::SetRect(const RECT& rc, CGfxBendDims dims) {
  fillInner.SetRect(RECT{0, 0, 0, 0});
  rcBend = rc;
  armWidth = dims.armWidth;
  armHeight = dims.armHeight;
  const int a = armWidth;
  const int f = armHeight;
  int k1 = a / 3;
  if (f / 2 > k1) k1 = f / 2;
  int k2 = f / 3;
  if (a / 2 > k2) k2 = a / 2;
  const int g = a > f ? f : a;
  switch (orient) {
    case 1:
      LayOutBottomLeft(k1, k2, g);
      break;
    case 2:
      LayOutTopRight();
      break;
    case 3:
      LayOutTopLeft(k1, k2, g);
      break;
    case 4:
      LayOutBottomRight();
      break;
    default:
      break;
  }
  return 0;
}

// The fillet is the corner's box moved so that its band, g thick, meets the inner edges of both arms.
void CGfxBend::LayOutBottomLeft(int k1, int k2, int g) {
  const int g8 = GfxFrac(g, 0.8);
  const auto [l, t, r, b] = rcBend;
  const int a = armWidth;
  const int f = armHeight;
  rcArmV = RECT{l, t, l + a, b - k1};
  rcArmH = RECT{l + k2, b - f, r, b};
  armV.SetRect(rcArmV);
  armH.SetRect(rcArmH);
  const RECT q{l, b - k1, l + k2, b};
  corner.SetRect(q);
  fillInner.SetRect(RECT{l + k2, b - k1, l + a, b - f});
  fillCorner.SetRect(RECT{l + a, TruncQuarter(b - f, k1, -1), TruncQuarter(l + a, k2, 1), b - f});
  fillet.SetRect(Moved(q, a - g8 - 1, g8 + 2 - f), g);
}

void CGfxBend::LayOutTopLeft(int k1, int k2, int g) {
  const int g8 = GfxFrac(g, 0.8);
  const auto [l, t, r, b] = rcBend;
  const int a = armWidth;
  const int f = armHeight;
  rcArmV = RECT{l, t + k1, l + a, b};
  rcArmH = RECT{l + k2, t, r, t + f};
  armV.SetRect(rcArmV);
  armH.SetRect(rcArmH);
  const RECT q{l, t, l + k2, t + k1};
  corner.SetRect(q);
  fillInner.SetRect(RECT{l + k2, t + f, l + a, t + k1});
  fillCorner.SetRect(RECT{l + a, t + f, TruncQuarter(l + a, k2, 1), TruncQuarter(t + f, k1, 1)});
  fillet.SetRect(Moved(q, a - g8 - 1, f - g8 - 1), g);
}

// The right-hand bends size their corner and fillet from half the arm dimensions; no screen uses
// them, and they leave fillInner empty and fillCorner as it was.
void CGfxBend::LayOutTopRight() {
  const auto [l, t, r, b] = rcBend;
  const int a = armWidth;
  const int f = armHeight;
  rcArmV = RECT{r - a, t + f / 2, r, b};
  rcArmH = RECT{l, t, r - a / 2, t + f};
  armV.SetRect(rcArmV);
  armH.SetRect(rcArmH);
  corner.SetRect(RECT{r - a / 2, t, r, t + f / 2});
  fillet.SetRect(RECT{r - a - a / 2, t + f - (f / 2) / 2, r - a + (f / 2) / 2, t + f / 2 + f / 2}, f / 2);
}

void CGfxBend::LayOutBottomRight() {
  const auto [l, t, r, b] = rcBend;
  const int a = armWidth;
  const int f = armHeight;
  rcArmV = RECT{r - a, t, r, b - f};
  rcArmH = RECT{l, b - f, r - a, b};
  armV.SetRect(rcArmV);
  armH.SetRect(rcArmH);
  corner.SetRect(RECT{r - a, b - f, r, b});
  fillet.SetRect(RECT{r - a - a / 2, b - f - f / 2, r - a + (f / 2) / 2, b - f + (f / 2) / 2}, f / 2);
}

int CGfxBend::SetColor(CGfxClr* color, CGfxClr* color2) {
  for (CGfxShape* part : Parts()) part->SetColor(color, color2);
  return 0;
}

int CGfxBend::Draw(HWND hwnd, HDC hdc) {
  CGfxDc dc(hwnd, hdc);
  for (CGfxShape* part : Parts()) part->Draw(hwnd, dc);
  return 0;
}
