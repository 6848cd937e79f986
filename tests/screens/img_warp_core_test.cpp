#include "screens/propulsion/img_warp_core.h"

#include <gtest/gtest.h>

#include "screens/warp_figure_canvas.h"

namespace {

class ImgWarpCore : public WarpFigureCanvas {};

struct CoreCase {
  RECT given;
  Box box;
  int segmentStep;
  Box topCap, chamberTall, chamberWide;
};

// The core is 2 x trunc(0.13 x height) wide whatever the given width, centred on the given box's
// truncated centre: a box 500 high gives 130. The other fractions fall just below whole numbers on
// purpose: 0.15 x 500 gives 74 and 0.42 x 500 gives 209.
TEST_F(ImgWarpCore, IsTwentySixPercentOfItsHeightWideAndCentred) {
  const CoreCase cases[] = {
      {{0, 0, 1000, 500},
       {435, 0, 565, 500},
       32,
       {448, 0, 552, 74},
       {453, 209, 547, 291},
       {435, 224, 565, 276}},
      {{300, 20, 310, 520},
       {240, 20, 370, 520},
       32,
       {253, 20, 357, 94},
       {258, 229, 352, 311},
       {240, 244, 370, 296}},
      {{0, 0, 7, 100}, {-10, 0, 16, 100}, 6, {-8, 0, 14, 14}, {-7, 41, 13, 59}, {-10, 44, 16, 56}},
  };
  for (const CoreCase& c : cases) {
    CImgWarpCore core(&*app);
    EXPECT_EQ(core.SetRect(c.given), 0);
    EXPECT_EQ(BoxOf(*core.GetRect()), c.box) << c.given.left << "," << c.given.right;
    EXPECT_EQ(core.coreWidth, c.box[2] - c.box[0]);
    EXPECT_EQ(core.segmentStep, c.segmentStep);
    EXPECT_EQ(BoxOf(core.topCap), c.topCap);
    EXPECT_EQ(BoxOf(core.chamberTall), c.chamberTall);
    EXPECT_EQ(BoxOf(core.chamberWide), c.chamberWide);
  }
}

TEST_F(ImgWarpCore, DrawsNothingWithoutBothColours) {
  CImgWarpCore core(&*app);
  core.SetRect(RECT{0, 0, 1000, 500});
  EXPECT_EQ(core.Draw(nullptr, hdc), -1);
  core.SetColor(nullptr, Clr(kFill));
  EXPECT_EQ(core.Draw(nullptr, hdc), -1);
  EXPECT_EQ(At(460, 100), kMarker);
}

// At (0, 0, 1000, 500): the column (460, 74, 539, 426) behind the segments (x 461 to 538, since
// 0.6 x 130 gives 77; 32 high, from y 291 down and from y 209 up), and the chamber's cross of
// (453, 209, 547, 291) and (435, 224, 565, 276).
TEST_F(ImgWarpCore, DrawsColumnSegmentsAndChamberInCyanOnBlack) {
  CImgWarpCore core(&*app);
  core.SetColor(Clr(kLine), Clr(kFill));
  core.SetRect(RECT{0, 0, 1000, 500});
  EXPECT_EQ(core.Draw(nullptr, hdc), 0);
  const COLORREF cyan = Slot(kLine), black = Slot(kFill);
  struct ColourProbe {
    const char* what;
    int x, y;
    COLORREF expected;
  };
  const ColourProbe probes[] = {
      {"column's left edge", 460, 180, cyan},
      {"left of the column", 459, 180, kMarker},
      {"column's right edge", 538, 180, cyan},
      {"right of the column", 539, 180, kMarker},
      {"first lower segment's top", 500, 291, cyan},
      {"inside it", 500, 292, black},
      {"its bottom", 500, 322, cyan},
      {"next segment's top", 500, 323, cyan},
      {"chamber centre", 500, 250, black},
      {"wide chamber's left edge", 435, 250, cyan},
      {"left of the chamber", 434, 250, kMarker},
      {"wide chamber's right edge", 564, 250, cyan},
      {"beside the core", 300, 250, kMarker},
      {"upper segment's bottom", 500, 208, cyan},
  };
  for (const ColourProbe& p : probes) EXPECT_EQ(At(p.x, p.y), p.expected) << p.what;
  EXPECT_EQ(core.segmentBox.bottom, 209 - 4 * 32);  // left where the last segment was drawn
}

}  // namespace
