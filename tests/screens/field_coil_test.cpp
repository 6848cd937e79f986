#include "screens/propulsion/field_coil.h"

#include <gtest/gtest.h>

#include "screens/propulsion/img_warp_nacelle.h"
#include "screens/warp_figure_canvas.h"

namespace {

class FieldCoil : public WarpFigureCanvas {
 protected:
  // Draws the coil with the nacelle's 1-pixel line pen and fill brush selected, as the nacelle does.
  void DrawCoil(CFieldCoil& coil, bool highlighted) {
    HPEN pen = Clr(kLine)->MakePen(1);
    HBRUSH brush = Clr(kFill)->MakeBrush();
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, brush);
    EXPECT_EQ(coil.Draw(hdc, highlighted), 0);
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
  }
  static constexpr RECT kBox{10, 10, 34, 58};  // the worked example's 24 x 48 coil
};

// blockBox loses a tenth of the width each side; barBox gains 0.65 x 3 = 1 pixel each side and loses
// 40 % of the height at top and bottom.
TEST_F(FieldCoil, BoxesFollowTheCoilsSize) {
  struct Case {
    RECT box;
    Box blocks, bar;
  };
  const Case cases[] = {
      {kBox, {12, 10, 32, 58}, {9, 29, 35, 39}},
      {{100, 115, 160, 235}, {106, 115, 154, 235}, {99, 163, 161, 187}},
      {{5, 5, 5, 5}, {5, 5, 5, 5}, {4, 5, 6, 5}},
  };
  CImgWarpNacelle nacelle(&*app);
  for (const Case& c : cases) {
    CFieldCoil coil(&*app, &nacelle);
    EXPECT_EQ(coil.SetRect(c.box), 0);
    EXPECT_EQ(BoxOf(coil.box), BoxOf(c.box));
    EXPECT_EQ(BoxOf(coil.blockBox), c.blocks);
    EXPECT_EQ(BoxOf(coil.barBox), c.bar);
  }
}

TEST_F(FieldCoil, WithoutANacelleDrawsNothingAndFails) {
  CFieldCoil coil(&*app, nullptr);
  coil.SetRect(kBox);
  EXPECT_EQ(coil.Draw(hdc, true), -1);
  EXPECT_EQ(At(12, 10), kMarker);
}

// Two blocks of trunc(0.47 x 48) = 22 rows, a crossbar (10, 29, 34, 39) over the gap and a window
// (18, 32, 26, 36) in it; probes on the last painted and first unpainted pixels.
TEST_F(FieldCoil, DrawsTwoBlocksACrossbarAndAWindow) {
  CImgWarpNacelle nacelle(&*app);
  CFieldCoil coil(&*app, &nacelle);
  coil.SetRect(kBox);
  DrawCoil(coil, false);
  const COLORREF cyan = Slot(kLine), black = Slot(kFill);
  struct ColourProbe {
    int x, y;
    COLORREF expected;
  };
  const ColourProbe probes[] = {
      {12, 10, cyan},    {31, 10, cyan}, {32, 10, kMarker}, {11, 10, kMarker},
      {12, 9, kMarker},  // upper block
      {20, 20, black},   {12, 28, cyan}, {12, 57, cyan},    {31, 57, cyan},
      {12, 58, kMarker},                                                        // lower block
      {10, 29, cyan},    {33, 38, cyan}, {9, 33, kMarker},  {34, 33, kMarker},  // crossbar
      {11, 30, black},   {18, 32, cyan}, {25, 35, cyan},    {20, 33, black},
      {26, 33, black},  // window
  };
  for (const ColourProbe& p : probes) EXPECT_EQ(At(p.x, p.y), p.expected) << p.x << "," << p.y;
}

// The highlight changes only the outlines of the two blocks where they show: 20 + 2 x 18 pixels of
// each block (their inner rows lie under the crossbar), yellow instead of cyan.
TEST_F(FieldCoil, HighlightRecoloursOnlyTheBlocksOutlines) {
  CImgWarpNacelle nacelle(&*app);
  CFieldCoil coil(&*app, &nacelle);
  coil.SetRect(kBox);
  DrawCoil(coil, false);
  std::vector<COLORREF> plain;
  for (int y = 0; y < 70; ++y)
    for (int x = 0; x < 45; ++x) plain.push_back(At(x, y));
  Clear();
  DrawCoil(coil, true);
  int changed = 0;
  for (int y = 0; y < 70; ++y) {
    for (int x = 0; x < 45; ++x) {
      const COLORREF before = plain[size_t(y * 45 + x)];
      if (At(x, y) == before) continue;
      ++changed;
      const bool onBlockEdge = (x == 12 || x == 31 || y == 10 || y == 57) && x >= 12 && x <= 31;
      EXPECT_TRUE(onBlockEdge) << x << "," << y;
      EXPECT_EQ(before, Slot(kLine)) << x << "," << y;
      EXPECT_EQ(At(x, y), Slot(9)) << x << "," << y;
    }
  }
  EXPECT_EQ(changed, 2 * (20 + 2 * 18));
}

}  // namespace
