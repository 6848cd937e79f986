#include "gfx/gfx_point3d.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

struct DiffCase {
  CPoint3d p, q;
  int x, y, z, len;
};

TEST(GfxPoint3d, DiffSubtractsEachAxisAndMeasuresOnlyTheHorizontal) {
  const DiffCase cases[] = {
      {{3, 7, 4}, {0, 100, 0}, 3, -93, 4, 5},  // y does not count in the length
      {{0, 0, 0}, {0, 0, 0}, 0, 0, 0, 0},
      {{-6, 1, -8}, {0, 0, 0}, -6, 1, -8, 10},
      {{1, 1, 1}, {2, 2, 2}, -1, -1, -1, 1},
      {{0, 0, 7}, {0, 0, 0}, 0, 0, 7, 7},
      {{2, 0, 2}, {0, 0, 0}, 2, 0, 2, 2},                     // 2.83 truncates
      {{INT_MAX, 0, 0}, {-1, 0, 0}, INT_MIN, 0, 0, INT_MAX},  // wraps instead of overflowing
  };
  for (const DiffCase& c : cases) {
    CVector out;
    EXPECT_EQ(c.p.Diff(c.q, &out), 0);
    EXPECT_EQ(out.x, c.x);
    EXPECT_EQ(out.y, c.y);
    EXPECT_EQ(out.z, c.z);
    EXPECT_EQ(out.len, c.len) << "(" << c.x << ", " << c.z << ")";
  }
}

TEST(GfxPoint3d, DiffWithoutAnOutputFails) {
  EXPECT_EQ(CPoint3d(1, 2, 3).Diff(CPoint3d(), nullptr), -1);
}

struct AngleCase {
  CPoint3d d;  // the difference this - origin
  double angle;
};

TEST(GfxPoint3d, AngleToRunsFromPlusZTowardsPlusX) {
  const double a = std::atan(3.0 / 4.0);
  const AngleCase cases[] = {
      {{0, 9, 5}, 0},
      {{0, 9, -5}, kPi},
      {{0, 9, 0}, kPi},
      {{5, 9, 0}, kPi / 2},
      {{-5, 9, 0}, 3 * kPi / 2},
      {{5, 9, 5}, kPi / 4},
      {{3, 0, 4}, a},
      {{3, 0, -4}, kPi - a},
      {{-3, 0, -4}, kPi + a},
      {{-3, 0, 4}, 2 * kPi - a},
  };
  for (const AngleCase& c : cases) {
    CVector v;
    const CPoint3d origin(0, 0, 0);
    EXPECT_DOUBLE_EQ(c.d.AngleTo(origin, &v), c.angle) << "(" << c.d.x << ", " << c.d.z << ")";
    EXPECT_EQ(v.x, c.d.x);
    EXPECT_EQ(v.z, c.d.z);
    EXPECT_DOUBLE_EQ(c.d.AngleTo(origin, nullptr), c.angle);
  }
}

TEST(GfxPoint3d, AngleToMeasuresFromTheOtherPoint) {
  EXPECT_DOUBLE_EQ(CPoint3d(10, 0, 20).AngleTo(CPoint3d(10, 50, 25), nullptr), kPi);
  EXPECT_DOUBLE_EQ(CPoint3d(15, 0, 25).AngleTo(CPoint3d(10, 50, 25), nullptr), kPi / 2);
}

TEST(GfxPoint3d, SetAndCopy) {
  CPoint3d p;
  EXPECT_EQ(p.x + p.y + p.z, 0);
  p.Set(1, -2, 3);
  CPoint3d q;
  q.Copy(p);
  EXPECT_EQ(q.x, 1);
  EXPECT_EQ(q.y, -2);
  EXPECT_EQ(q.z, 3);
  EXPECT_EQ(CVector().len, 0);
}

}  // namespace
