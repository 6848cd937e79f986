#include "screens/propulsion/img_warp_nacelle.h"

#include <gtest/gtest.h>

#include "screens/warp_figure_canvas.h"

namespace {

class ImgWarpNacelle : public WarpFigureCanvas {};

struct NacelleCase {
  RECT given;
  Box hull;
  int thickness, coilWidth, coilHeight, gapX;
  int domePast;  // endBox.right - hull right
  Box firstCoil, lastCoil;
};

// The hull hangs from the given top edge, 15 % of its length thick; the given height plays no
// part. 410 pixels is the worked example: 61 thick, coils 24 x 48 with 2-pixel gaps, a dome 36
// pixels past the hull. Centres are truncated, then the halves taken off them truncated toward
// zero, so the hull's top is one pixel above the given top unless that is 0.
TEST_F(ImgWarpNacelle, LaysOutHullCoilsAndDomeFromTheLength) {
  const NacelleCase cases[] = {
      {{20, 30, 430, 200}, {20, 29, 430, 90}, 61, 24, 48, 2, 36, {62, 35, 86, 83}, {322, 35, 346, 83}},
      {{0, 0, 410, 10}, {0, 0, 410, 61}, 61, 24, 48, 2, 36, {42, 6, 66, 54}, {302, 6, 326, 54}},
      {{7, 5, 418, 9}, {6, 4, 417, 65}, 61, 24, 48, 2, 36, {48, 10, 72, 58}, {308, 10, 332, 58}},
      // 0.15 x 1000 and 0.06 x 1000 fall just below 150 and 60.
      {{0, 100, 1000, 100},
       {0, 99, 1000, 248},
       149,
       59,
       119,
       5,
       89,
       {103, 114, 162, 233},
       {743, 114, 802, 233}},
  };
  for (const NacelleCase& c : cases) {
    CImgWarpNacelle nacelle(&*app);
    EXPECT_EQ(nacelle.SetRect(c.given), 0);
    SCOPED_TRACE(testing::Message() << "given left " << c.given.left << ", width "
                                    << c.given.right - c.given.left);
    EXPECT_EQ(BoxOf(*nacelle.GetRect()), c.hull);
    EXPECT_EQ(nacelle.thickness, c.thickness);
    EXPECT_EQ(nacelle.coilWidth, c.coilWidth);
    EXPECT_EQ(nacelle.coilHeight, c.coilHeight);
    EXPECT_EQ(nacelle.gapX, c.gapX);
    EXPECT_EQ(nacelle.endBox.right - nacelle.GetRect()->right, c.domePast);
    EXPECT_EQ(nacelle.endBox.left, nacelle.GetRect()->right - c.thickness);
    ASSERT_NE(nacelle.coils.front(), nullptr);
    ASSERT_NE(nacelle.coils.back(), nullptr);
    EXPECT_EQ(BoxOf(nacelle.coils.front()->box), c.firstCoil);
    EXPECT_EQ(BoxOf(nacelle.coils.back()->box), c.lastCoil);
  }
}

TEST_F(ImgWarpNacelle, StepMovesTheHighlightLeftAndWrapsFromTheFirstCoilToTheLast) {
  struct Case {
    int from, delta, to;
  };
  const Case cases[] = {{0, -1, 10}, {10, -1, 9}, {5, -1, 4}, {1, -1, 0}, {3, 2, 5}};
  for (const Case& c : cases) {
    CImgWarpNacelle nacelle(&*app);
    EXPECT_EQ(nacelle.GetCurrent(), 10);  // the rightmost coil at construction
    nacelle.current = c.from;
    EXPECT_EQ(nacelle.Step(c.delta), 0);
    EXPECT_EQ(nacelle.GetCurrent(), c.to) << c.from << " by " << c.delta;
  }
  CImgWarpNacelle nacelle(&*app);
  for (int i = 0; i < CImgWarpNacelle::kCoils; ++i) nacelle.Step(-1);
  EXPECT_EQ(nacelle.GetCurrent(), 10);
}

// Laid out twice, the nacelle replaces its coils (the leak check of ASan would catch the old ones).
TEST_F(ImgWarpNacelle, LayingOutAgainReplacesTheCoils) {
  CImgWarpNacelle nacelle(&*app);
  nacelle.SetRect(RECT{0, 0, 410, 0});
  nacelle.SetRect(RECT{0, 0, 1000, 0});
  EXPECT_EQ(nacelle.coils[0]->box.left, 103);
  EXPECT_EQ(nacelle.coils[0]->nacelle, &nacelle);
}

TEST_F(ImgWarpNacelle, DrawsNothingWithoutBothColours) {
  CImgWarpNacelle nacelle(&*app);
  nacelle.SetRect(RECT{20, 30, 430, 200});
  EXPECT_EQ(nacelle.Draw(nullptr, hdc), -1);
  nacelle.SetColor(Clr(kLine), nullptr);
  EXPECT_EQ(nacelle.Draw(nullptr, hdc), -1);
  EXPECT_EQ(At(200, 29), kMarker);
  EXPECT_EQ(At(62, 35), kMarker);
}

// Drawn in the panel's colours at the worked example's size: hull (20, 29, 430, 90), end band from
// x = 369, dome box right edge 466, coils from x = 62 every 26 pixels, 35 to 83 high.
TEST_F(ImgWarpNacelle, DrawsAWhiteHullACyanRowOfCoilsAndOneYellowCoil) {
  CImgWarpNacelle nacelle(&*app);
  nacelle.SetColor(Clr(kLine), Clr(kFill));
  nacelle.SetRect(RECT{20, 30, 430, 200});
  nacelle.current = 4;
  EXPECT_EQ(nacelle.Draw(nullptr, hdc), 0);
  const COLORREF white = Slot(1), cyan = Slot(kLine), black = Slot(kFill), yellow = Slot(9);
  struct ColourProbe {
    const char* what;
    int x, y;
    COLORREF expected;
  };
  const ColourProbe probes[] = {
      {"hull top edge", 200, 29, white},
      {"above the hull", 200, 27, kMarker},
      {"hull bottom edge", 200, 89, white},
      {"below the hull", 200, 91, kMarker},
      {"inside the hull, between two coils", 87, 45, black},
      {"end band", 369, 60, white},
      {"second end band line", 377, 60, white},
      {"dome's last pixel", 465, 59, white},
      {"past the dome", 467, 59, kMarker},
      {"blanked round end inside the dome", 429, 40, black},
      {"first coil's block, top-left corner", 64, 35, cyan},
      {"left of the first coil's block", 63, 35, black},
      {"last coil's block, top-right corner", 343, 35, cyan},
      {"highlighted coil's block", 62 + 4 * 26 + 2, 35, yellow},
      {"highlighted coil's crossbar", 62 + 4 * 26, 56, cyan},
  };
  for (const ColourProbe& p : probes)
    EXPECT_EQ(At(p.x, p.y), p.expected) << p.what << " (" << p.x << ", " << p.y << ")";
}

}  // namespace
