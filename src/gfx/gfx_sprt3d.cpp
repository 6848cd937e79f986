#include "gfx/gfx_sprt3d.h"

#include <cmath>
#include <numbers>

#include "gfx/gfx_trunc.h"

int CGfxSprt3d::SetSize(const CPoint3d* p) {
  if (!p) return -1;
  size.Copy(*p);
  return 0;
}

int CGfxSprt3d::SetSize(int x, int y, int z) {
  const CPoint3d p(x, y, z);
  return SetSize(&p);
}

int CGfxSprt3d::SetPosition(const CPoint3d* p) {
  if (p)
    pos.Copy(*p);
  else
    pos.Set(0, 0, 0);
  pivotCache.Set(0, 0, 0);
  distCache = 0;
  angleCache = 0;
  return 0;
}

int CGfxSprt3d::SetPosition(int x, int y, int z) {
  const CPoint3d p(x, y, z);
  return SetPosition(&p);
}

int CGfxSprt3d::Scale(float fx, float fy, float fz) {
  size.Set(GfxTrunc(size.x * static_cast<double>(fx)), GfxTrunc(size.y * static_cast<double>(fy)),
           GfxTrunc(size.z * static_cast<double>(fz)));
  return 0;
}

int CGfxSprt3d::MoveTo(const CPoint3d* p) {
  if (!p) return -1;
  pos.Copy(*p);
  return 0;
}

int CGfxSprt3d::MoveTo(int x, int y, int z) {
  const CPoint3d p(x, y, z);
  return MoveTo(&p);
}

int CGfxSprt3d::RotateAbout(const CPoint3d* angles, const CPoint3d* pivot) {
  if (!pivot || !angles) return 0;
  constexpr double kPi = std::numbers::pi;
  const bool cached = distCache != 0 && pivot->x == pivotCache.x && pivot->z == pivotCache.z;
  int result = 0;
  double r = distCache;
  double base = angleCache;
  if (!cached) {
    CVector d;
    result = pos.Diff(*pivot, &d);
    r = d.len;
    base = pos.AngleTo(*pivot, nullptr);
  }
  // Only a full turn too many is taken off: a negative angle stays negative.
  double theta = base + angles->y * kPi / 180;
  while (theta > 2 * kPi) theta -= 2 * kPi;
  sinA = std::sin(theta);
  cosA = std::cos(theta);
  pos.x = GfxTrunc(sinA * r);
  pos.z = GfxTrunc(cosA * r);
  if (!cached) distCache = r;
  pivotCache.Copy(*pivot);
  angleCache = theta;
  return result;
}

int CGfxSprt3d::RotateAbout(int ax, int ay, int az) {
  const CPoint3d angles(ax, ay, az);
  return RotateAbout(&angles, nullptr);
}

int CGfxSprt3d::Project() {
  if (!eye) return -1;
  CVector toSprite;
  CVector toOrigin;
  eye->Diff(pos, &toSprite);
  eye->Diff(CPoint3d(), &toOrigin);
  const int d1 = toSprite.len;
  const int d2 = toOrigin.len;
  if (d1 >= d2) {
    half.Set(1, 1, 1);
    return 0;
  }
  // d2 > d1 >= 0 here, so the quotient is finite.
  const double f = 1 - std::sqrt(static_cast<double>(d1)) / std::sqrt(static_cast<double>(d2));
  half.Set(GfxTrunc((size.x / 2) * f * sinA), GfxTrunc((size.y / 2) * f), GfxTrunc((size.z / 2) * f));
  return 0;
}
