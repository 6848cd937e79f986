#include "screens/propulsion/disp_two_panel.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "display/display_fixture.h"
#include "screens/two_panel_probes.h"

namespace {

// A lower panel that records the steps it is given and can fail its own set-up.
class CSubProbe : public CSubDisp {
 public:
  CSubProbe(CKalyx* app, int setUpResult) : CSubDisp(app), result(setUpResult) {}
  int SetUp() override { return result; }
  int Animate(int step) override {
    steps.push_back(step);
    return 0;
  }
  int result;
  std::vector<int> steps;
};

class CDispProbe : public CDispTwoPanel {
 public:
  CDispProbe(CKalyx* app, int lowerResult = 0)
      : CDispTwoPanel(app, new (std::nothrow) CSubProbe(app, lowerResult), &bPanelsShown) {
    title = "PROBE";
  }
  CSubProbe* Lower() const { return static_cast<CSubProbe*>(subLower); }
  static inline bool bPanelsShown = false;
};

class DispTwoPanel : public DisplayTest, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    clrCd = GetParam();
    DisplayTest::SetUp();
    CDispProbe::bPanelsShown = false;
  }
  COLORREF Slot(int slot) const { return app->Clr(slot)->GetRGB(); }
};

TEST_P(DispTwoPanel, ColoursTheFrameFromItsTable) {
  CDispProbe screen(app.get());
  EXPECT_EQ(screen.SetUp(), 0);
  EXPECT_EQ(Trace(), "");
  screen.Paint(hwndMain, nullptr);
  for (const SlotProbe& probe : kShapeProbes) EXPECT_EQ(At(probe.x, probe.y), Slot(probe.slot)) << probe.what;
}

TEST_P(DispTwoPanel, CyclesFourShapesInHighColourAndTwoOtherwise) {
  CDispProbe screen(app.get());
  screen.SetUp();
  std::vector<CGfxShape*> expected{&screen.colTop, &screen.colBlock3, &screen.colBlock4,
                                   &screen.ovalBottomRight};
  if (GetParam() != CKalyx::kHighColor) expected = {&screen.colBlock3, &screen.ovalBottomRight};
  EXPECT_EQ(CycledShapes(screen), expected);
}

// The programmes themselves: the first change applies the last record, after its ticks + 1 seconds.
TEST_P(DispTwoPanel, TheMiddleBlocksFirstChangeIsItsLastRecord) {
  CDispProbe screen(app.get());
  screen.SetUp();
  const bool high = GetParam() == CKalyx::kHighColor;
  const int lastTicks = high ? 1 : 2;
  const int lastSlot = high ? 23 : 9;
  for (int second = 0; second < lastTicks; ++second) screen.Animate(2);
  EXPECT_EQ(screen.colBlock3.clr, app->Clr(24));
  screen.Animate(2);
  EXPECT_EQ(screen.colBlock3.clr, app->Clr(lastSlot));
  // The oval is lit after 6 seconds: (5, slot 16) is its last record.
  for (int second = lastTicks + 1; second < 6; ++second) screen.Animate(2);
  EXPECT_EQ(screen.ovalBottomRight.clr, app->Clr(16));
}

TEST_P(DispTwoPanel, AnimateHandsEveryStepToBothPanelsAndCyclesOnWholeSeconds) {
  CDispProbe screen(app.get());
  screen.SetUp();
  Pump();
  const int count = screen.subUpper->count;
  for (int step : {1, 1, 2, 1}) EXPECT_EQ(screen.Animate(step), 0);
  EXPECT_EQ(screen.Lower()->steps, (std::vector<int>{1, 1, 2, 1}));
  EXPECT_EQ(screen.subUpper->count, count + 1);  // the numbers panel moves on step 2 only
  // Step 1 never advances a cycle: 30 ordinary ticks leave every shape as coloured.
  for (int tick = 0; tick < 30; ++tick) screen.Animate(1);
  EXPECT_EQ(screen.colBlock3.clr, app->Clr(24));
}

TEST_P(DispTwoPanel, AFailingUpperPanelLeavesTheLowerUnbuilt) {
  CDispProbe screen(app.get());
  delete screen.subUpper;
  screen.subUpper = nullptr;
  EXPECT_EQ(screen.SetUp(), -1);
  EXPECT_EQ(Trace(), "\r\nError initializing upper sub display\r\nError setting up lower sub display");
  EXPECT_EQ(screen.Lower()->hwnd, nullptr);
}

TEST_P(DispTwoPanel, AFailingLowerPanelWritesItsMessageOnly) {
  CDispProbe screen(app.get(), -991);
  EXPECT_EQ(screen.SetUp(), -1);
  EXPECT_EQ(Trace(), "\r\nError setting up lower sub display");
  EXPECT_NE(screen.subUpper->hwnd, nullptr);
}

TEST_P(DispTwoPanel, AMissingLowerPanelIsAFailure) {
  CDispProbe screen(app.get());
  delete screen.subLower;
  screen.subLower = nullptr;
  EXPECT_EQ(screen.SetUp(), -1);
  EXPECT_EQ(Trace(), "\r\nError setting up lower sub display");
  EXPECT_EQ(screen.Animate(2), 0);
  EXPECT_EQ(screen.Paint(hwndMain, nullptr), 0);
}

// The flag belongs to the screen class and lasts for the process: a second screen of the class
// leaves hidden panels hidden.
TEST_P(DispTwoPanel, ShowsThePanelsOnTheClassesFirstPaintOnly) {
  {
    CDispProbe first(app.get());
    first.SetUp();
    ShowWindow(first.subUpper->hwnd, SW_HIDE);
    ShowWindow(first.subLower->hwnd, SW_HIDE);
    EXPECT_EQ(first.Paint(hwndMain, nullptr), 0);
    EXPECT_TRUE(CDispProbe::bPanelsShown);
    EXPECT_TRUE(IsWindowVisible(first.subUpper->hwnd));
    EXPECT_TRUE(IsWindowVisible(first.subLower->hwnd));
  }
  CDispProbe second(app.get());
  second.SetUp();
  ShowWindow(second.subLower->hwnd, SW_HIDE);
  second.Paint(hwndMain, nullptr);
  EXPECT_FALSE(IsWindowVisible(second.subLower->hwnd));
}

INSTANTIATE_TEST_SUITE_P(ColourSchemes, DispTwoPanel, testing::Values(2, 1),
                         [](const testing::TestParamInfo<int>& info) {
                           return info.param == 2 ? std::string("HighColour") : std::string("Colours256");
                         });

}  // namespace
