#include "gfx/gfx_sprt3d.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180;

struct Turn {
  int degrees;
  int x, z;      // position after the turn
  double angle;  // the angle kept for the next turn
};

struct TurnCase {
  const char* name;
  CPoint3d start;
  CPoint3d pivot;
  std::vector<Turn> turns;
};

TEST(GfxSprt3d, TurnsAboutTheVerticalAxisFromTheCache) {
  const TurnCase cases[] = {
      {"quarter turns, the second from the cache",
       {0, 0, 100},
       {0, 0, 0},
       {{90, 100, 0, kPi / 2}, {90, 0, -100, kPi}}},
      {"370 degrees wraps once", {0, 0, 100}, {0, 0, 0}, {{370, 17, 98, 10 * kDeg}}},
      {"-10 degrees stays negative", {0, 0, 100}, {0, 0, 0}, {{-10, -17, 98, -10 * kDeg}}},
      {"two eighths land exactly where a truncated restart would not",
       {0, 0, 100},
       {0, 0, 0},
       {{45, 70, 70, kPi / 4}, {45, 100, 0, kPi / 2}}},
      // The offsets are from the axis: the pivot's x and z are not added back.
      {"about a pivot off the origin", {50, 7, 10}, {50, 0, 0}, {{90, 10, 0, kPi / 2}, {90, 0, -10, kPi}}},
  };
  for (const TurnCase& c : cases) {
    SCOPED_TRACE(c.name);
    CGfxSprt3d sprite(nullptr);
    sprite.SetPosition(&c.start);
    for (const Turn& t : c.turns) {
      const CPoint3d angles(0, t.degrees, 0);
      EXPECT_EQ(sprite.RotateAbout(&angles, &c.pivot), 0);
      EXPECT_EQ(sprite.pos.x, t.x);
      EXPECT_EQ(sprite.pos.y, c.start.y);
      EXPECT_EQ(sprite.pos.z, t.z);
      EXPECT_NEAR(sprite.GetAngle(), t.angle, 1e-12);
      EXPECT_DOUBLE_EQ(sprite.sinA, std::sin(sprite.GetAngle()));
      EXPECT_DOUBLE_EQ(sprite.cosA, std::cos(sprite.GetAngle()));
    }
  }
}

TEST(GfxSprt3d, SetPositionClearsTheCacheAndMoveToKeepsIt) {
  CGfxSprt3d sprite(nullptr);
  const CPoint3d pivot(0, 0, 0);
  const CPoint3d eighth(0, 45, 0);
  sprite.SetPosition(0, 0, 100);
  sprite.RotateAbout(&eighth, &pivot);
  EXPECT_EQ(sprite.distCache, 100);

  // MoveTo leaves the cached radius and angle: the next turn continues from them.
  sprite.MoveTo(0, 0, 0);
  sprite.RotateAbout(&eighth, &pivot);
  EXPECT_EQ(sprite.pos.x, 100);

  // From the truncated (70, 0, 70) without a cache the radius is only 98.
  sprite.SetPosition(70, 0, 70);
  EXPECT_EQ(sprite.distCache, 0);
  EXPECT_EQ(sprite.GetAngle(), 0);
  sprite.RotateAbout(&eighth, &pivot);
  EXPECT_EQ(sprite.pos.x, 98);
  EXPECT_EQ(sprite.pos.z, 0);

  // Another pivot starts afresh from the position.
  const CPoint3d other(0, 0, 30);
  sprite.RotateAbout(&eighth, &other);
  EXPECT_EQ(sprite.distCache, 102);  // trunc(sqrt(98^2 + 30^2))
  EXPECT_EQ(sprite.pivotCache.z, 30);
}

TEST(GfxSprt3d, TurnsWithoutAPivotChangeNothing) {
  CGfxSprt3d sprite(nullptr);
  sprite.SetPosition(0, 0, 100);
  EXPECT_EQ(sprite.RotateAbout(0, 90, 0), 0);
  const CPoint3d angles(0, 90, 0);
  EXPECT_EQ(sprite.RotateAbout(&angles, nullptr), 0);
  EXPECT_EQ(sprite.pos.x, 0);
  EXPECT_EQ(sprite.pos.z, 100);
  EXPECT_EQ(sprite.GetAngle(), 0);
}

TEST(GfxSprt3d, SetSizeAndScaleTruncate) {
  CGfxSprt3d sprite(nullptr);
  sprite.SetSize(60, 40, 21);
  sprite.Scale(0.5f, 1.5f, -0.5f);
  EXPECT_EQ(sprite.size.x, 30);
  EXPECT_EQ(sprite.size.y, 60);
  EXPECT_EQ(sprite.size.z, -10);
  EXPECT_EQ(sprite.SetSize(nullptr), -1);
  EXPECT_EQ(sprite.MoveTo(nullptr), -1);
  sprite.Scale(1e30f, 0, 0);
  EXPECT_EQ(sprite.size.x, INT_MAX);  // clamped, not undefined
}

struct ProjectCase {
  const char* name;
  CPoint3d eye;
  CPoint3d pos;
  double sinA;
  int hx, hy, hz;
};

TEST(GfxSprt3d, ProjectScalesWithTheEyesDistance) {
  const ProjectCase cases[] = {
      {"halfway in root distance: f = 0.5", {0, 0, -400}, {0, 0, -300}, 1, 15, 10, 5},
      {"x follows the sine's sign", {0, 0, -400}, {0, 0, -300}, -1, -15, 10, 5},
      {"x follows the sine", {0, 0, -400}, {0, 0, -300}, 0.5, 7, 10, 5},
      {"as far as the origin", {0, 0, -400}, {0, 0, 0}, 1, 1, 1, 1},
      {"beyond the origin", {0, 0, -400}, {0, 0, 100}, 1, 1, 1, 1},
      {"y does not count", {0, 900, -400}, {0, -50, -300}, 1, 15, 10, 5},
      {"at the eye", {0, 0, -400}, {0, 0, -400}, 1, 30, 20, 10},
      {"the eye at the origin", {0, 0, 0}, {0, 0, 0}, 1, 1, 1, 1},
  };
  for (const ProjectCase& c : cases) {
    SCOPED_TRACE(c.name);
    CGfxSprt3d sprite(&c.eye);
    sprite.SetSize(60, 40, 20);
    sprite.MoveTo(&c.pos);
    sprite.sinA = c.sinA;
    EXPECT_EQ(sprite.Project(), 0);
    EXPECT_EQ(sprite.half.x, c.hx);
    EXPECT_EQ(sprite.half.y, c.hy);
    EXPECT_EQ(sprite.half.z, c.hz);
  }
}

TEST(GfxSprt3d, ProjectWithoutAnEyeFails) {
  CGfxSprt3d sprite(nullptr);
  EXPECT_EQ(sprite.Project(), -1);
}

TEST(GfxSprt3d, StartsAtZeroAndDrawsNothing) {
  const CPoint3d eye(1, 2, 3);
  CGfxSprt3d sprite(&eye);
  EXPECT_EQ(sprite.eye, &eye);
  EXPECT_EQ(sprite.pos.x + sprite.size.y + sprite.half.z, 0);
  EXPECT_EQ(sprite.sinA, 0);
  EXPECT_EQ(sprite.Draw(nullptr, nullptr), 0);
}

}  // namespace
