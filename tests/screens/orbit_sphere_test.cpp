#include "screens/propulsion/orbit_sphere.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "screens/orbit_canvas.h"

namespace {

class OrbitSphere : public OrbitCanvasTest {
 protected:
  // The sphere drawn on a fresh canvas, as text of its cyan pixels.
  std::string Drawn(CSphere& sphere, int w, int h) {
    HDC dc = Canvas(w, h);
    sphere.Draw(nullptr, dc);
    return Picture(Slot(4));
  }
  COLORREF Cyan() const { return Slot(4); }
};

// The square (0, 0, 204, 204): centre (102, 102), radius 100.
TEST_F(OrbitSphere, LaysItselfIntoTheSquareWithAMargin) {
  CSphere sphere(app.get(), 72, 16);
  EXPECT_EQ(sphere.SetRect(RECT{0, 0, 204, 210}), 0);
  EXPECT_EQ(sphere.cx, 102);
  EXPECT_EQ(sphere.cy, 105);
  EXPECT_EQ(sphere.radius, 100);
  EXPECT_EQ(sphere.outline.left, 2);
  EXPECT_EQ(sphere.outline.bottom, 205);
  EXPECT_EQ(sphere.tilt, 5);
}

TEST_F(OrbitSphere, SeventyTwoMeridiansFiveDegreesApart) {
  CSphere sphere(app.get(), 72, 16);
  sphere.SetRect(RECT{0, 0, 204, 204});
  for (int i = 0; i < 72; ++i) EXPECT_EQ(sphere.meridians[i]->angle, 5 * i);
}

// With the outline moved out of the way, only meridians with a positive sine leave ink: at 0
// degrees nothing, at 90 the right half of its 4-pixel box, at 270 nothing.
TEST_F(OrbitSphere, AMeridianAtZeroIsNotDrawn) {
  struct Case {
    int meridians;  // angles 0, 360 / n, ...
    int cyan;       // pixels drawn
  };
  for (const Case& c : {Case{1, 0}, Case{4, -1}}) {
    CSphere sphere(app.get(), c.meridians, 0);
    sphere.SetRect(RECT{0, 0, 204, 204});
    if (c.meridians == 4) sphere.meridians[2]->SetAngle(270);  // only 0, 90 and 270 (twice)
    sphere.outline = RECT{-10, -10, -10, -10};
    HDC dc = Canvas(210, 210);
    sphere.Draw(nullptr, dc);
    if (c.cyan == 0) {
      EXPECT_EQ(Count(kMarker), 210 * 210);
    } else {
      EXPECT_EQ(Px(103, 102), Cyan());
      EXPECT_EQ(Px(100, 102), kMarker);
      EXPECT_EQ(Count(kMarker) + Count(Cyan()), 210 * 210);
      EXPECT_LT(Count(Cyan()), 2 * 210);
    }
  }
}

// A count that does not divide 360 leaves a gap before 360.
TEST_F(OrbitSphere, AnUnevenMeridianCountLeavesAGap) {
  CSphere sphere(app.get(), 7, 0);
  sphere.SetRect(RECT{0, 0, 204, 204});
  EXPECT_EQ(sphere.meridians[6]->angle, 6 * 51);
}

// Sixteen parallels at -r + i x trunc(2r / 17): here spaced 11 apart from -89 to 76.
TEST_F(OrbitSphere, SixteenParallelsEvenlyBetweenThePoles) {
  CSphere sphere(app.get(), 72, 16);
  sphere.SetRect(RECT{0, 0, 204, 204});
  for (int i = 1; i <= 16; ++i) {
    const CGridSphrH* p = sphere.parallels[i - 1];
    EXPECT_EQ(p->pos.y - sphere.cy, -100 + i * 11) << i;
    const int dy = -100 + i * 11;
    EXPECT_EQ(p->halfWidth, static_cast<int>(std::sqrt(100.0 * 100 - dy * dy))) << i;
    EXPECT_EQ(p->visible, 1);
  }
}

struct MeridianCase {
  int angle;
  int left, right;  // the ellipse box
  bool rightHalf;
};

// Truncation shows: cos 60 is a hair above 0.5, so 102 - 50.000...01 gives 51; cos 270 is a hair
// below 0, so its box is 1 wide before widening.
TEST_F(OrbitSphere, MeridianBoxesFollowTheCosineAndZeroWidthIsWidened) {
  const MeridianCase cases[] = {
      {0, 2, 202, true},     {60, 51, 152, true},  {90, 100, 104, true},
      {120, 52, 151, false}, {180, 2, 202, false}, {270, 99, 104, false},
  };
  CSphere sphere(app.get(), 1, 0);
  sphere.SetRect(RECT{0, 0, 204, 204});
  CGridSphrV& m = *sphere.meridians[0];
  for (const MeridianCase& c : cases) {
    m.SetAngle(c.angle);
    EXPECT_EQ(m.rect.left, c.left) << c.angle;
    EXPECT_EQ(m.rect.right, c.right) << c.angle;
    EXPECT_EQ(m.rect.top, 2);
    EXPECT_EQ(m.rect.bottom, 202);
    const POINT bottom{102, 202}, top{102, 2};
    const POINT start = c.rightHalf ? bottom : top, end = c.rightHalf ? top : bottom;
    EXPECT_EQ(m.arcStart.x, start.x);
    EXPECT_EQ(m.arcStart.y, start.y) << c.angle;
    EXPECT_EQ(m.arcEnd.y, end.y) << c.angle;
  }
}

TEST_F(OrbitSphere, MeridiansTurnWithinAWholeCircle) {
  CSphere sphere(app.get(), 1, 0);
  sphere.SetRect(RECT{0, 0, 204, 204});
  CGridSphrV& m = *sphere.meridians[0];
  m.SetAngle(359);
  m.Turn(1);
  EXPECT_EQ(m.angle, 0);
  m.Turn(-1);
  EXPECT_EQ(m.angle, 359);
  m.Turn(725);
  EXPECT_EQ(m.angle, 4);
}

// Only meridians with a positive sine face the viewer: one at 90 degrees shows as the right half
// of a 4-pixel-wide ellipse, one at 0 or 180 adds nothing to the bare outline.
TEST_F(OrbitSphere, OnlyMeridiansFacingTheViewerAreDrawn) {
  CSphere bare(app.get(), 0, 0);
  bare.SetRect(RECT{0, 0, 204, 204});
  const std::string outline = Drawn(bare, 210, 210);
  CSphere edges(app.get(), 2, 0);  // 0 and 180 degrees
  edges.SetRect(RECT{0, 0, 204, 204});
  EXPECT_EQ(Drawn(edges, 210, 210), outline);

  CSphere quarters(app.get(), 4, 0);  // 0, 90, 180, 270
  quarters.SetRect(RECT{0, 0, 204, 204});
  Drawn(quarters, 210, 210);
  const PixelProbe probes[] = {{103, 102, true}, {104, 102, false}, {101, 102, false}, {100, 102, false},
                               {102, 10, true},  {102, 190, true},  {99, 102, false}};
  for (const PixelProbe& p : probes) {
    const COLORREF c = Px(p.x, p.y);
    EXPECT_EQ(c == Cyan(), p.painted) << "at (" << p.x << ", " << p.y << ")";
  }
}

// One parallel on radius 100 is the equator: box (2, 94, 202, 110), its lower half only.
TEST_F(OrbitSphere, TheEquatorShowsItsLowerHalf) {
  CSphere sphere(app.get(), 0, 1);
  sphere.SetRect(RECT{0, 0, 204, 204});
  const CGridSphrH& eq = *sphere.parallels[0];
  EXPECT_EQ(eq.pos.y, 102);
  EXPECT_EQ(eq.rect.top, 94);
  EXPECT_EQ(eq.rect.bottom, 110);
  EXPECT_EQ(eq.arcStart.x, 2);
  EXPECT_EQ(eq.arcEnd.x, 202);
  EXPECT_EQ(eq.arcStart.y, 102);
  HDC dc = Canvas(210, 210);
  sphere.Draw(nullptr, dc);
  // At x = 60 the ring runs 7.3 above and below the centre row.
  int above = 0, below = 0;
  for (int y = 93; y < 101; ++y) above += Px(60, y) == Cyan();
  for (int y = 103; y < 111; ++y) below += Px(60, y) == Cyan();
  EXPECT_EQ(above, 0);
  EXPECT_GT(below, 0);
  EXPECT_EQ(Px(102, 109), Cyan());  // the ring's lowest pixel
}

// Near a pole of a large sphere the ring is narrower than |dy| tan 5 degrees: below the centre it
// is hidden, above it the two end points coincide and the whole ellipse shows.
TEST_F(OrbitSphere, NearThePolesUpperRingsAreWholeAndLowerOnesHidden) {
  CSphere sphere(app.get(), 0, 0);
  sphere.SetRect(RECT{0, 0, 2004, 2004});  // centre (1002, 1002), radius 1000
  CGridSphrH upper(app.get(), &sphere), lower(app.get(), &sphere);
  EXPECT_EQ(upper.SetOffset(-997), 0);
  EXPECT_EQ(lower.SetOffset(997), 0);
  EXPECT_EQ(upper.halfWidth, 77);  // below 997 x tan 5 = 87.2
  EXPECT_EQ(upper.visible, 1);
  EXPECT_EQ(lower.visible, 0);
  EXPECT_EQ(upper.arcStart.x, upper.arcEnd.x);
  EXPECT_EQ(upper.arcStart.y, upper.arcEnd.y);

  HDC dc = Canvas(1100, 30);
  upper.DrawArc(dc);
  // k = trunc(-997 cos 5) = -993 and e = trunc(77 sin 5) = 6: the box (925, 3, 1079, 15).
  EXPECT_EQ(upper.rect.top, 3);
  EXPECT_EQ(upper.rect.bottom, 15);
  EXPECT_EQ(Px(1002, 3), RGB(0, 0, 0));  // the far side, drawn in the context's black pen
  EXPECT_EQ(Px(1002, 14), RGB(0, 0, 0));
  lower.DrawArc(dc);
  EXPECT_EQ(Count(kMarker), 1100 * 30 - Count(RGB(0, 0, 0)));
}

// Near the top the ends of a ring's near side are lifted well above its centre, so the arc runs
// round both sides and leaves only the far top out; below the centre they are lowered instead.
// r = 1000, dy = -990: w = 141, d = 86.6, box (861, 4, 1143, 28), lift 7.4.
TEST_F(OrbitSphere, UpperRingsShowMoreThanHalfAndLowerOnesLess) {
  CSphere sphere(app.get(), 0, 0);
  sphere.SetRect(RECT{0, 0, 2004, 2004});
  CGridSphrH upper(app.get(), &sphere), lower(app.get(), &sphere);
  upper.SetOffset(-990);
  lower.SetOffset(990);
  EXPECT_EQ(upper.rect.left, 861);
  EXPECT_EQ(upper.rect.top, 4);
  EXPECT_EQ(upper.rect.bottom, 28);
  EXPECT_EQ(upper.arcStart.x, 947);
  EXPECT_EQ(upper.arcEnd.x, 1056);
  EXPECT_EQ(upper.arcStart.y, 4);
  EXPECT_EQ(upper.arcEnd.y, 4);
  EXPECT_EQ(lower.arcStart.y, 1999);
  EXPECT_EQ(lower.visible, 1);

  HDC dc = Canvas(1150, 40);
  upper.DrawArc(dc);  // in the context's black pen
  const COLORREF black = RGB(0, 0, 0);
  EXPECT_EQ(Px(861, 16), black);  // both sides
  EXPECT_EQ(Px(1142, 16), black);
  EXPECT_EQ(Px(1002, 27), black);   // the bottom
  EXPECT_EQ(Px(1002, 4), kMarker);  // not the far top
}

// At a pole the ring has no width: its end points are never divided out of it.
TEST_F(OrbitSphere, RingsAtThePolesHaveNoWidth) {
  CSphere sphere(app.get(), 0, 0);
  sphere.SetRect(RECT{0, 0, 204, 204});
  CGridSphrH north(app.get(), &sphere), south(app.get(), &sphere);
  EXPECT_EQ(north.SetOffset(-100), 0);
  EXPECT_EQ(south.SetOffset(100), 0);
  EXPECT_EQ(north.halfWidth, 0);
  EXPECT_EQ(north.visible, 1);
  EXPECT_EQ(south.visible, 0);
  EXPECT_EQ(north.arcStart.x, 102);
  EXPECT_EQ(north.arcEnd.x, 102);
  EXPECT_EQ(north.arcStart.y, 2);  // cy + dy, with nothing lifted
  // k = trunc(-100 cos 5) = -99: a flat box at 3, widened by 2 each way.
  EXPECT_EQ(north.rect.top, 1);
  EXPECT_EQ(north.rect.bottom, 5);
}

TEST_F(OrbitSphere, AnOffsetOutsideTheSphereFails) {
  CSphere sphere(app.get(), 0, 0);
  sphere.SetRect(RECT{0, 0, 204, 204});
  CGridSphrH ring(app.get(), &sphere);
  EXPECT_EQ(ring.SetOffset(101), -1);
  EXPECT_EQ(ring.halfWidth, 0);
  EXPECT_EQ(ring.Tilt(5), 0);
}

TEST_F(OrbitSphere, TurningTheSphereTurnsEveryMeridianAndNoParallel) {
  CSphere sphere(app.get(), 72, 16);
  sphere.SetRect(RECT{0, 0, 204, 204});
  const RECT ring = sphere.parallels[3]->rect;
  EXPECT_EQ(sphere.RotateAbout(1, 1, 0), 0);
  for (int i = 0; i < 72; ++i) EXPECT_EQ(sphere.meridians[i]->angle, 5 * i + 1);
  EXPECT_EQ(sphere.parallels[3]->rect.top, ring.top);
  const CPoint3d angles(0, 359, 0);
  sphere.RotateAbout(&angles, nullptr);
  EXPECT_EQ(sphere.meridians[0]->angle, 0);
  EXPECT_EQ(sphere.meridians[71]->angle, 355);
}

// Degenerate squares give a sphere of no size; nothing divides by zero or overflows.
TEST_F(OrbitSphere, TinyAndEmptySquaresAreSafe) {
  const RECT squares[] = {{0, 0, 0, 0}, {0, 0, 1, 1}, {0, 0, 4, 4},
                          {0, 0, 5, 5}, {0, 0, 9, 9}, {10, 10, 0, 0}};
  for (const RECT& sq : squares) {
    CSphere sphere(app.get(), 72, 16);
    EXPECT_EQ(sphere.SetRect(sq), 0);
    EXPECT_GE(sphere.radius, 0);
    HDC dc = Canvas(20, 20);
    EXPECT_EQ(sphere.Draw(nullptr, dc), 0);
    sphere.RotateAbout(0, 1, 0);
  }
}

TEST_F(OrbitSphere, ASphereWithoutLinesOrColoursStillDraws) {
  CSphere none(nullptr, -3, -1);
  EXPECT_EQ(none.SetRect(RECT{0, 0, 50, 50}), 0);
  EXPECT_EQ(none.Draw(nullptr, Canvas(60, 60)), 0);
  EXPECT_EQ(none.SetColor(app->Clr(1), app->Clr(2)), 0);
  EXPECT_EQ(none.clr2, app->Clr(2));
}

}  // namespace
