#include "screens/propulsion/orbit_grid.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "gfx/gfx_trunc.h"
#include "screens/propulsion/orbit_sphere.h"

namespace {

constexpr int kFullTurn = 360;
// Lines narrower or flatter than this are widened by 2 pixels each way, so they still show.
constexpr int kThinnest = 2;
constexpr int kWiden = 2;

}  // namespace

void CGridSphr::DrawArc(HDC hdc) const {
  if (!visible) return;
  Arc(hdc, rect.left, rect.top, rect.right, rect.bottom, arcStart.x, arcStart.y, arcEnd.x, arcEnd.y);
}

int CGridSphrV::SetAngle(int degrees) {
  angle = degrees;
  return Turn(0);
}

int CGridSphrV::Turn(int delta) {
  angle = static_cast<int>((static_cast<long long>(angle) + delta) % kFullTurn);
  if (angle < 0) angle += kFullTurn;
  angleRad = angle * std::numbers::pi / 180;
  sinAngle = std::sin(angleRad);
  cosAngle = std::cos(angleRad);

  const int cx = sphere->cx;
  const int r = sphere->radius;
  const int x1 = GfxTrunc(cx - r * cosAngle);
  const int x2 = GfxTrunc(cx + r * cosAngle);
  rect = RECT{x1 < x2 ? x1 : x2, sphere->outline.top, x1 < x2 ? x2 : x1, sphere->outline.bottom};
  if (rect.right - rect.left < kThinnest) {
    rect.left -= kWiden;
    rect.right += kWiden;
  }
  // Arcs run counter-clockwise: up from the bottom pole is the right half, down from the top the left.
  const POINT top{cx, sphere->outline.top};
  const POINT bottom{cx, sphere->outline.bottom};
  arcStart = cosAngle >= 0 ? bottom : top;
  arcEnd = cosAngle >= 0 ? top : bottom;
  return 0;
}

int CGridSphrH::SetOffset(int dy) {
  visible = 1;
  const int cx = sphere->cx;
  const int cy = sphere->cy;
  const int r = sphere->radius;
  SetPosition(cx, cy + dy, 0);
  const double inside = static_cast<double>(r) * r - static_cast<double>(dy) * dy;
  if (inside < 0) {
    halfWidth = 0;
    return -1;
  }
  const int w = GfxTrunc(std::sqrt(inside));
  halfWidth = w;
  const int k = GfxTrunc(dy * sphere->cosTilt);
  const int e = GfxTrunc(w * sphere->sinTilt);
  rect = RECT{cx - w, cy + k - e, cx + w, cy + k + e};
  if (rect.bottom - rect.top < kThinnest) {
    rect.top -= kWiden;
    rect.bottom += kWiden;
  }

  // The ends of the near side, where the ring passes behind the limb. A ring narrower than d
  // (one at a pole, or a sphere of no size) has no such ends: its ratio is never taken.
  const double d = std::abs(dy) * sphere->tanTilt;
  const bool hasEnds = w >= d;
  const int startX = hasEnds ? GfxTrunc(rect.left + d) : cx;
  const int endX = hasEnds ? GfxTrunc(rect.right - d) : cx;
  const double lift = w > 0 ? (d / w) * (rect.bottom - rect.top) * 0.5 : 0;
  // Rings above the centre are tipped towards the viewer and show more than half; with no ends
  // the two points coincide and the whole ellipse shows. Rings below show less, or nothing.
  const int y = GfxTrunc(dy < 0 ? cy + dy - lift : cy + dy + lift);
  if (dy >= 0 && !hasEnds) visible = 0;
  arcStart = POINT{startX, y};
  arcEnd = POINT{endX, y};
  return 0;
}

int CGridSphrH::Tilt(int /*delta*/) {
  return 0;
}
