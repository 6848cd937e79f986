#include "display/disp_test.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "display/display_fixture.h"

namespace {

struct SlotProbe {
  const char* what;
  int x, y;
  int slot;
};

// One pixel inside each of the 19 frame shapes at 1024 x 768, with the slot the test screen gives it.
constexpr SlotProbe kShapeProbes[] = {
    {"colTop", 100, 50, 18},          {"bendUpper", 100, 150, 20},      {"bendLower", 100, 350, 22},
    {"colBlock1", 100, 450, 23},      {"colBlock2", 100, 520, 16},      {"colBlock3", 100, 580, 24},
    {"colBlock4", 100, 700, 16},      {"barUpper1", 490, 263, 21},      {"barLower1", 490, 277, 24},
    {"barUpper2", 600, 263, 20},      {"barLower2", 600, 274, 23},      {"barUpper3", 850, 263, 20},
    {"barLower3", 850, 277, 23},      {"barUpper4", 995, 263, 12},      {"barLower4", 995, 277, 17},
    {"ovalTopLeft", 803, 133, 19},    {"ovalBottomLeft", 803, 207, 16}, {"ovalTopRight", 947, 133, 12},
    {"ovalBottomRight", 947, 207, 0},  // black on black: it does not show
};

// The gaps between neighbouring parts of the frame, unitX or unitY (4) wide.
constexpr POINT kGaps[] = {{462, 263}, {514, 263}, {718, 263}, {974, 263}, {514, 279},
                           {100, 101}, {100, 270}, {100, 386}, {100, 616}};

class DispTestScreen : public DisplayTest, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    clrCd = GetParam();
    DisplayTest::SetUp();
  }
  COLORREF Slot(int slot) const { return app->Clr(slot)->GetRGB(); }
};

TEST_P(DispTestScreen, PaintsTheFrameTitleAndNumbersPanel) {
  CDispTest screen(app.get());
  EXPECT_EQ(screen.id, 6);
  EXPECT_EQ(screen.SetUp(), 0);
  InvalidateRect(hwndMain, nullptr, TRUE);
  Pump();
  EXPECT_EQ(screen.Paint(hwndMain, nullptr), 0);
  Pump();

  for (const SlotProbe& probe : kShapeProbes) EXPECT_EQ(At(probe.x, probe.y), Slot(probe.slot)) << probe.what;
  for (const POINT& gap : kGaps) EXPECT_EQ(At(gap.x, gap.y), RGB(0, 0, 0)) << gap.x << "," << gap.y;

  // The title stands right-aligned in rcTitle, in slot 16; the left part of rcTitle stays empty.
  auto countIn = [&](int left, int right, COLORREF colour) {
    int n = 0;
    for (int y = screen.rcTitle.top; y < screen.rcTitle.bottom; ++y)
      for (int x = left; x < right; ++x) n += At(x, y) == colour;
    return n;
  };
  EXPECT_GT(countIn(screen.rcTitle.right - 200, screen.rcTitle.right, Slot(16)), 0);
  EXPECT_EQ(countIn(screen.rcTitle.left, screen.rcTitle.left + 100, Slot(16)), 0);

  // One line of numbers, white on black, at the top of the upper panel.
  const RECT& upper = screen.rcUpper;
  int white = 0;
  for (int y = upper.top; y < upper.top + 13; ++y)
    for (int x = upper.left; x < upper.left + 60; ++x) white += At(x, y) == RGB(255, 255, 255);
  EXPECT_GT(white, 0);
  EXPECT_EQ(At(upper.left + 100, upper.top + 40), RGB(0, 0, 0));
}

// Painted by the main window's WM_PAINT, as the host does after building the screen. Having no
// panel of its own is no failure: the set-up succeeds and the trace stays empty.
TEST_P(DispTestScreen, SetsUpWithoutErrorAndPaintsThroughTheMainWindow) {
  CDispTest test(app.get());
  EXPECT_EQ(test.SetUp(), 0);
  EXPECT_EQ(test.subLower, nullptr);
  EXPECT_EQ(Trace(), "");
  screen = &test;
  InvalidateRect(hwndMain, nullptr, TRUE);
  Pump();
  for (const SlotProbe& probe : kShapeProbes) EXPECT_EQ(At(probe.x, probe.y), Slot(probe.slot)) << probe.what;

  // Right-aligned: the title's ink ends within a few pixels of rcTitle's right edge, and no ink
  // of its colour lies right of it in the title's rows.
  const RECT& title = test.rcTitle;
  int rightmost = -1;
  for (int y = title.top; y < title.bottom; ++y)
    for (int x = title.left; x < kWidth; ++x)
      if (At(x, y) == Slot(16)) rightmost = std::max(rightmost, x);
  EXPECT_GE(rightmost, title.right - 6);
  EXPECT_LT(rightmost, title.right);
}

TEST_P(DispTestScreen, TimerTicksChangeNothing) {
  CDispTest screen(app.get());
  screen.SetUp();
  Pump();
  const int lineY = screen.subUpper->lineY;
  for (int tick = 0; tick < 6; ++tick) EXPECT_EQ(screen.Animate(tick % 2 + 1), 0);
  Pump();
  EXPECT_EQ(screen.subUpper->lineY, lineY);
}

INSTANTIATE_TEST_SUITE_P(ColourSchemes, DispTestScreen, testing::Values(2, 1),
                         [](const testing::TestParamInfo<int>& info) {
                           return info.param == 2 ? std::string("HighColour") : std::string("Colours256");
                         });

}  // namespace
