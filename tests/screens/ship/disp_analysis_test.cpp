#include "screens/ship/disp_analysis.h"

#include <gtest/gtest.h>

#include "app/screen_table.h"
#include "display/display_fixture.h"
#include "gfx/gfx_frac.h"

namespace {

struct SlotProbe {
  const char* what;
  int x, y;
  int slot;
};

// One pixel inside each of the 19 frame shapes at 1024 x 768, with the slot this screen gives it.
constexpr SlotProbe kShapeProbes[] = {
    {"colTop", 100, 50, 13},           {"bendUpper", 100, 150, 20},      {"bendLower", 100, 350, 12},
    {"colBlock1", 100, 450, 12},       {"colBlock2", 100, 520, 16},      {"colBlock3", 100, 580, 20},
    {"colBlock4", 100, 700, 16},       {"barUpper1", 490, 263, 21},      {"barLower1", 490, 277, 12},
    {"barUpper2", 600, 263, 21},       {"barLower2", 600, 274, 13},      {"barUpper3", 850, 263, 21},
    {"barLower3", 850, 277, 13},       {"barUpper4", 995, 263, 21},      {"barLower4", 995, 277, 13},
    {"ovalTopLeft", 803, 133, 19},     {"ovalBottomLeft", 803, 207, 16}, {"ovalTopRight", 947, 133, 13},
    {"ovalBottomRight", 947, 207, 12},
};

class DispAnalysisScreen : public DisplayTest, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    clrCd = GetParam();
    DisplayTest::SetUp();
  }
  COLORREF Slot(int slot) const { return app->Clr(slot)->GetRGB(); }
};

TEST_P(DispAnalysisScreen, PaintsTheFrameAndTheShipInTheShieldsPanel) {
  CDispAnalysis display(app.get());
  EXPECT_EQ(display.id, 1);
  EXPECT_STREQ(display.title, "DEFLECTOR SHIELD STATUS");
  EXPECT_EQ(display.SetUp(), 0);
  EXPECT_EQ(Trace(), "");
  screen = &display;
  InvalidateRect(hwndMain, nullptr, TRUE);
  Pump();
  for (const SlotProbe& probe : kShapeProbes) EXPECT_EQ(At(probe.x, probe.y), Slot(probe.slot)) << probe.what;

  // The saucer's two central circles, cyan on black, at the saucer centre in the lower panel.
  const CSubShields* panel = display.subLower;
  const CImgShip* ship = panel->ship;
  const int ox = display.rcLower.left, oy = display.rcLower.top;
  const int x = ox + ship->ptSaucer.x, y = oy + ship->centerY;
  const int r = GfxFrac(ship->height, 0.04);
  EXPECT_EQ(At(x + r + 2, y), RGB(0, 255, 255)) << "outer circle's last pixel";
  EXPECT_EQ(At(x + r + 3, y), RGB(0, 0, 0)) << "just outside the outer circle";
  EXPECT_EQ(At(x + r, y), RGB(0, 0, 0)) << "between the circles";
  EXPECT_EQ(At(x + r - 1, y), RGB(0, 255, 255)) << "inner circle's last pixel";
  // Inside the wedge ahead of the centre the hull is black.
  EXPECT_EQ(At(x + GfxFrac(ship->szSaucer.x, 0.1), y - GfxFrac(ship->szSaucer.z, 0.04)), RGB(0, 0, 0));
}

// A failed numbers panel writes both messages, in order, and leaves the shields panel unbuilt.
TEST_P(DispAnalysisScreen, FailedUpperPanelCascades) {
  CDispAnalysis display(app.get());
  delete display.subUpper;
  display.subUpper = nullptr;
  EXPECT_EQ(display.SetUp(), -1);
  // The trace file is written in text mode: each line break is CR LF.
  EXPECT_EQ(Trace(), "\r\nError setting up upper sub display\r\nError setting up lower sub display");
  EXPECT_EQ(display.subLower->hwnd, nullptr);
}

TEST_P(DispAnalysisScreen, MissingShieldsPanelIsReported) {
  CDispAnalysis display(app.get());
  delete display.subLower;
  display.subLower = nullptr;
  EXPECT_EQ(display.SetUp(), -1);
  EXPECT_EQ(Trace(), "\r\nError setting up lower sub display");
  display.Animate(2);  // steps what is there
}

// Each cycle first applies its last record's colour, ticks + 1 seconds after set-up, then runs
// through its records from the first.
TEST_P(DispAnalysisScreen, ColourCyclesRecolourTheirBlocks) {
  CDispAnalysis display(app.get());
  display.SetUp();
  kalyx->hwndOwner = hwndMain;
  struct Change {
    int second;
    CGfxShape* shape;
    int slot;
  };
  const Change changes[] = {
      {4, &display.ovalBottomRight, 12}, {5, &display.ovalBottomRight, 0},   {6, &display.colBlock1, 12},
      {7, &display.colBlock1, 20},       {8, &display.colBlock3, 20},        {9, &display.colBlock3, 16},
      {10, &display.ovalBottomRight, 0}, {11, &display.ovalBottomRight, 20},
  };
  int second = 0;
  for (const Change& change : changes) {
    while (second < change.second) {
      display.Animate(1);
      display.Animate(2);
      ++second;
    }
    EXPECT_EQ(change.shape->clr, app->Clr(change.slot)) << "after " << second << " s";
  }
}

TEST(ScreenTable, ScreenOneIsTheShieldStatusScreen) {
  EXPECT_EQ(aScreens[0].number, 1);
  EXPECT_NE(aScreens[0].create, nullptr);
}

INSTANTIATE_TEST_SUITE_P(ColourSchemes, DispAnalysisScreen, testing::Values(2, 1),
                         [](const testing::TestParamInfo<int>& info) {
                           return info.param == 2 ? std::string("HighColour") : std::string("Colours256");
                         });

}  // namespace
