// Frame elements drawn through GDI onto an off-screen canvas, probed at computed pixels.
#include <gtest/gtest.h>

#include <vector>

#include "gfx/gfx_bend.h"
#include "gfx/gfx_canvas.h"
#include "gfx/gfx_oval.h"
#include "gfx/gfx_rect.h"
#include "gfx/gfx_round.h"

namespace {

constexpr COLORREF kShapeRgb = RGB(255, 212, 64);

class GfxPixels : public GfxCanvasTest {
 protected:
  void SetUp() override {
    GfxCanvasTest::SetUp();
    clr.SetRGB(255, 212, 64);
  }
  CGfxClr clr;
};

TEST_F(GfxPixels, RectFillsLeftAndTopEdgesOnly) {
  CGfxRect rect;
  rect.SetRect(RECT{10, 20, 30, 25});
  rect.SetColor(&clr, nullptr);
  EXPECT_EQ(rect.Draw(nullptr, hdc), 0);
  const Probe probes[] = {{10, 20, true}, {29, 24, true}, {30, 24, false}, {29, 25, false}, {9, 20, false}};
  EXPECT_PROBES(kShapeRgb, probes);
}

TEST_F(GfxPixels, RectWithoutColourDrawsNothing) {
  CGfxRect rect;
  rect.SetRect(RECT{10, 20, 30, 25});
  EXPECT_EQ(rect.Draw(nullptr, hdc), 0);
  EXPECT_EQ(At(15, 22), kMarker);
}

TEST_F(GfxPixels, UnsetColourDrawsMidGrey) {
  CGfxClr grey;
  CGfxRect rect;
  rect.SetRect(RECT{0, 0, 4, 4});
  rect.SetColor(&grey, nullptr);
  rect.Draw(nullptr, hdc);
  EXPECT_EQ(At(1, 1), RGB(128, 128, 128));
}

// Half-rounds in a 20 x 40 box (or 40 x 20 for up and down): filled next to the flat side and at
// the apex of the round side, empty at the corners of the round side and beyond the flat side.
TEST_F(GfxPixels, HalfRoundsFillTheNamedHalf) {
  struct Case {
    int orient;
    RECT box;
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {1,
       {20, 20, 40, 60},
       {{38, 40, true}, {22, 40, true}, {38, 22, true}, {21, 22, false}, {43, 40, false}}},
      {2,
       {20, 20, 40, 60},
       {{22, 40, true}, {38, 40, true}, {22, 22, true}, {39, 22, false}, {17, 40, false}}},
      {3,
       {20, 20, 60, 40},
       {{40, 38, true}, {40, 22, true}, {22, 38, true}, {22, 21, false}, {40, 43, false}}},
      {4,
       {20, 20, 60, 40},
       {{40, 22, true}, {40, 38, true}, {22, 22, true}, {22, 39, false}, {40, 17, false}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.orient);
    Clear();
    CGfxHlfRnd round(c.orient);
    round.SetRect(c.box);
    round.SetColor(&clr, nullptr);
    EXPECT_EQ(round.Draw(nullptr, hdc), 0);
    EXPECT_PROBES(kShapeRgb, c.probes);
  }
}

// A quarter-round in the box (20, 20, 40, 40) fills it except at the rounded corner.
TEST_F(GfxPixels, QuarterRoundsCutTheNamedCorner) {
  struct Case {
    int orient;
    POINT rounded;  // the corner pixel that stays empty
  };
  const Case cases[] = {{1, {21, 39}}, {2, {39, 21}}, {3, {21, 21}}, {4, {39, 39}}};
  const POINT corners[] = {{22, 22}, {38, 22}, {22, 38}, {38, 38}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.orient);
    Clear();
    CGfxQtrRnd round(c.orient);
    round.SetRect(RECT{20, 20, 40, 40});
    round.SetColor(&clr, nullptr);
    round.Draw(nullptr, hdc);
    for (const POINT& corner : corners) {
      const bool isRounded = (corner.x < 30) == (c.rounded.x < 30) && (corner.y < 30) == (c.rounded.y < 30);
      if (!isRounded) {
        EXPECT_EQ(At(corner.x, corner.y), kShapeRgb) << corner.x << "," << corner.y;
      }
    }
    EXPECT_EQ(At(c.rounded.x, c.rounded.y), kMarker);
    EXPECT_EQ(At(30, 17), kMarker);
    EXPECT_EQ(At(43, 30), kMarker);
  }
}

// The oval of the standard frame at 1024 x 768.
TEST_F(GfxPixels, OvalHasRoundEnds) {
  CGfxOval oval;
  oval.SetRect(RECT{737, 103, 869, 164});
  oval.SetColor(&clr, nullptr);
  EXPECT_EQ(oval.Draw(nullptr, hdc), 0);
  const Probe probes[] = {
      {800, 133, true},  {738, 133, true},  {868, 133, true},  {767, 104, true},
      {738, 104, false}, {868, 104, false}, {871, 133, false}, {800, 166, false},
  };
  EXPECT_PROBES(kShapeRgb, probes);
}

// The upper bend of the standard frame at 1024 x 768. The fillet's band is the lower-left quarter
// of the ellipse (165, 187, 287, 268), 10 pixels thick, so (190, 255) lies in it and (200, 245)
// inside it, uncovered.
TEST_F(GfxPixels, UpperBendIsAnElbowWithRoundedCorners) {
  CGfxBend bend(1);
  bend.SetRect(RECT{51, 103, 460, 268}, {123, 10});
  bend.SetColor(&clr, nullptr);
  EXPECT_EQ(bend.Draw(nullptr, hdc), 0);
  const Probe probes[] = {
      {100, 150, true},  // vertical arm
      {300, 263, true},  // horizontal arm
      {140, 240, true},  // the inner fill of the L
      {60, 240, true},   // inside the quarter-disc of the outer corner
      {180, 250, true},  // the small block in the inner corner
      {190, 255, true},  // the fillet's band
      {200, 245, false}, {52, 266, false}, {461, 263, false}, {175, 120, false},
  };
  EXPECT_PROBES(kShapeRgb, probes);
}

}  // namespace
