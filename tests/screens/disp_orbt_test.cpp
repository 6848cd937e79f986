#include "screens/propulsion/disp_orbt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "display/display_fixture.h"
#include "screens/propulsion/sub_orbit.h"
#include "screens/two_panel_probes.h"

namespace {

class DispOrbt : public DisplayTest, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    clrCd = GetParam();
    DisplayTest::SetUp();
  }
  COLORREF Slot(int slot) const { return app->Clr(slot)->GetRGB(); }
  // Whether the colour shows within [x0, x1] of a row, in screen coordinates.
  bool InRow(COLORREF colour, int y, int x0, int x1) const {
    for (int x = x0; x <= x1; ++x)
      if (At(x, y) == colour) return true;
    return false;
  }
};

// Painted as the host does: set up, then the main window's WM_PAINT; the panels paint themselves.
TEST_P(DispOrbt, PaintsTheFrameInItsColours) {
  CDispOrbt orbit(app.get());
  EXPECT_EQ(orbit.id, 5);
  EXPECT_STREQ(orbit.title, "STANDARD ORBIT");
  EXPECT_EQ(orbit.SetUp(), 0);
  EXPECT_EQ(Trace(), "");
  screen = &orbit;
  InvalidateRect(hwndMain, nullptr, TRUE);
  Pump();
  for (const SlotProbe& probe : kShapeProbes) EXPECT_EQ(At(probe.x, probe.y), Slot(probe.slot)) << probe.what;
}

TEST_P(DispOrbt, OutsideHighColourOnlyTheMiddleBlockAndTheLastOvalCycle) {
  CDispOrbt orbit(app.get());
  orbit.SetUp();
  std::vector<CGfxShape*> expected{&orbit.colTop, &orbit.colBlock3, &orbit.colBlock4, &orbit.ovalBottomRight};
  if (GetParam() != CKalyx::kHighColor) expected = {&orbit.colBlock3, &orbit.ovalBottomRight};
  EXPECT_EQ(CycledShapes(orbit), expected);
}

// The panel at (194, 292) is 819 x 476; the planet's centre is at (-401, 571) in it, radius 712.
TEST_P(DispOrbt, ThePlanetFillsTheLowerLeftOfThePanelInCyan) {
  CDispOrbt orbit(app.get());
  orbit.SetUp();
  Pump();
  const int left = orbit.rcLower.left, top = orbit.rcLower.top;
  const COLORREF cyan = Slot(4);
  const double cx = -401, cy = 571, r = 712;
  // The limb, drawn with a 2-pixel pen, and nothing cyan just outside it.
  for (int y : {0, 100, 200, 300}) {
    const int x = static_cast<int>(cx + std::sqrt(r * r - (y - cy) * (y - cy)));
    EXPECT_TRUE(InRow(cyan, top + y, left + x - 2, left + x + 2)) << "limb at row " << y;
    EXPECT_FALSE(InRow(cyan, top + y, left + x + 4, left + x + 40)) << "outside at row " << y;
  }
  // Meridians at 30 to 50 degrees cross row 400 at x = cx + r cos(a) sqrt(1 - (dy / r)^2).
  for (int a : {30, 40, 45, 50}) {
    const double along = std::sqrt(1 - (400 - cy) * (400 - cy) / (r * r));
    const int x = static_cast<int>(cx + r * std::cos(a * std::numbers::pi / 180) * along);
    EXPECT_TRUE(InRow(cyan, top + 400, left + x - 1, left + x + 1)) << "meridian " << a;
  }
  EXPECT_FALSE(InRow(cyan, top + 400, left + 100, left + 118));  // between 45 and 40 degrees
}

// The frame at 88 degrees is the nearest after the first paint; its bracket bars are gold to the
// exact pixel.
TEST_P(DispOrbt, TheNearestFramesBracketsAreGold) {
  CDispOrbt orbit(app.get());
  orbit.SetUp();
  Pump();
  auto* sub = static_cast<CSubOrbit*>(orbit.subLower);
  CIterator walk(sub->frames);
  CFrame* nearest = nullptr;
  while (walk.Next()) nearest = nearest ? nearest : static_cast<CFrame*>(walk.Current());
  for (walk.First(); walk.Next();) {
    auto* f = static_cast<CFrame*>(walk.Current());
    if (f->GetAngle() > nearest->GetAngle()) nearest = f;
  }
  const COLORREF gold = Slot(17);
  const int ox = orbit.rcLower.left, oy = orbit.rcLower.top;
  for (const CBrace* brace : {&nearest->leftBrace, &nearest->rightBrace}) {
    const RECT bar = brace->bar.rect;
    const int y = oy + (bar.top + bar.bottom) / 2;
    EXPECT_GT(bar.right - bar.left, 10);
    EXPECT_EQ(At(ox + bar.left, y), gold);
    EXPECT_EQ(At(ox + bar.right - 1, y), gold);
    EXPECT_NE(At(ox + bar.left - 1, y), gold);
    EXPECT_NE(At(ox + bar.right, y), gold);
  }
}

// A failing upper panel leaves the lower one unbuilt: both messages.
TEST_P(DispOrbt, AFailingUpperPanelWritesBothMessages) {
  CDispOrbt orbit(app.get());
  delete orbit.subUpper;
  orbit.subUpper = nullptr;
  EXPECT_EQ(orbit.SetUp(), -1);
  EXPECT_EQ(Trace(), "\r\nError initializing upper sub display\r\nError setting up lower sub display");
  EXPECT_EQ(orbit.subLower->hwnd, nullptr);
  EXPECT_EQ(orbit.Animate(2), 0);
  EXPECT_EQ(orbit.Paint(hwndMain, nullptr), 0);
}

// The screen hands every tick to the orbit panel, which turns whatever the step.
TEST_P(DispOrbt, EveryTickTurnsThePlanet) {
  CDispOrbt orbit(app.get());
  orbit.SetUp();
  auto* sub = static_cast<CSubOrbit*>(orbit.subLower);
  for (int step : {1, 2, 1}) EXPECT_EQ(orbit.Animate(step), 0);
  EXPECT_EQ(sub->sphere->meridians[0]->angle, 3);
}

INSTANTIATE_TEST_SUITE_P(ColourSchemes, DispOrbt, testing::Values(2, 1),
                         [](const testing::TestParamInfo<int>& info) {
                           return info.param == 2 ? std::string("HighColour") : std::string("Colours256");
                         });

}  // namespace
