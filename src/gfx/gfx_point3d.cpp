#include "gfx/gfx_point3d.h"

#include <cmath>
#include <cstdint>
#include <numbers>

#include "gfx/gfx_trunc.h"

namespace {

// Differences of far-apart points wrap to 32 bits as the coordinates do, instead of overflowing.
int Minus(int a, int b) {
  return static_cast<int>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

}  // namespace

void CPoint3d::Set(int px, int py, int pz) {
  x = px;
  y = py;
  z = pz;
}

void CPoint3d::Copy(const CPoint3d& p) {
  Set(p.x, p.y, p.z);
}

int CPoint3d::Diff(const CPoint3d& q, CVector* out) const {
  if (!out) return -1;
  out->len = -1;
  out->Set(Minus(x, q.x), Minus(y, q.y), Minus(z, q.z));
  const double dx = out->x;
  const double dz = out->z;
  out->len = GfxTrunc(std::sqrt(dx * dx + dz * dz));
  return 0;
}

double CPoint3d::AngleTo(const CPoint3d& q, CVector* v) const {
  CVector local;
  CVector* d = v ? v : &local;
  Diff(q, d);
  constexpr double kPi = std::numbers::pi;
  if (d->x == 0) return d->z > 0 ? 0.0 : kPi;
  if (d->z == 0) return d->x > 0 ? kPi / 2 : 3 * kPi / 2;
  const double a = std::atan(std::fabs(static_cast<double>(d->x)) / std::fabs(static_cast<double>(d->z)));
  if (d->x > 0) return d->z > 0 ? a : kPi - a;
  return d->z < 0 ? kPi + a : 2 * kPi - a;
}
