#include "screens/ship/sub_shields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "display/display_fixture.h"
#include "gfx/gfx_frac.h"
#include "screens/ship/disp_analysis.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Distance of an angle from a whole number of turns.
double OffTurn(double angle) {
  const double turn = 2 * std::numbers::pi;
  const double rest = std::fmod(angle, turn);
  return std::min(std::abs(rest), std::abs(turn - rest));
}

// The shields panel as the shield status screen sets it up in a 1024 x 768 main window.
class ShieldsPanel : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    display = std::make_unique<CDispAnalysis>(app.get());
    ASSERT_EQ(display->SetUp(), 0);
    Pump();
    panel = display->subLower;
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(panel->hwnd, nullptr);
  }
  void TearDown() override {
    display.reset();
    DisplayTest::TearDown();
  }

  // Sets the rings so that the next paint shows them at the given angles, with the scan lines
  // parked at the scan rectangle's top-left edges, and paints.
  void PaintAt(double angleV, double angleH) {
    panel->angleV = angleV - panel->stepV;
    panel->angleH = angleH - panel->stepH;
    panel->scanX = panel->scanY = 0;
    panel->scanStepX = panel->scanStepY = 0;
    ASSERT_EQ(panel->Paint(panel->hwnd, nullptr), 0);
  }
  // A pixel of the panel, in its client coordinates.
  COLORREF Panel(int x, int y) const { return At(display->rcLower.left + x, display->rcLower.top + y); }
  // The ship on white: black inside the ship's body where no line of it is.
  COLORREF Body(int x, int y) const { return GetPixel(panel->hdcLayerB, x, y); }

  std::unique_ptr<CDispAnalysis> display;
  CSubShields* panel = nullptr;
};

TEST_F(ShieldsPanel, RingsAreBackAtTheirStartAfterFortyAndThirtyRepaints) {
  panel->angleV = panel->angleH = 0;
  for (int step = 1; step <= 40; ++step) {
    panel->StepShields();
    if (step == 15) {
      EXPECT_NEAR(panel->angleH, std::numbers::pi, 1e-9);
    } else if (step == 20) {
      EXPECT_NEAR(panel->angleV, std::numbers::pi, 1e-9);
    } else if (step == 30) {
      EXPECT_LT(OffTurn(panel->angleH), 1e-9) << "horizontal ring";
    }
  }
  EXPECT_LT(OffTurn(panel->angleV), 1e-9) << "vertical ring";
}

// Scan offsets bounce between 0 and the scan size: 20, 40, 50 (clamped), 30, 10, 0 (clamped), 20.
TEST_F(ShieldsPanel, ScanLinesBounceAtTheEdges) {
  panel->scanWidth = 50;
  panel->scanHeight = 40;
  panel->scanX = panel->scanY = 0;
  panel->scanStepX = 20;
  panel->scanStepY = 15;
  const int wantX[] = {20, 40, 50, 30, 10, 0, 20};
  const int wantY[] = {15, 30, 40, 25, 10, 0, 15};
  for (size_t i = 0; i < std::size(wantX); ++i) {
    panel->StepShields();
    EXPECT_EQ(panel->scanX, wantX[i]) << "step " << i + 1;
    EXPECT_EQ(panel->scanY, wantY[i]) << "step " << i + 1;
  }
}

TEST_F(ShieldsPanel, SetUpPlacesTheShieldAroundTheShip) {
  const RECT ship = *panel->ship->GetRect();
  const int w = ship.right - ship.left;
  const int h = ship.bottom - ship.top;
  const RECT& s = panel->rcShield;
  EXPECT_EQ(s.left, ship.left - GfxFrac(w, 0.06) + GfxFrac(w, -0.02));
  EXPECT_EQ(s.right, ship.right + GfxFrac(w, 0.06) + GfxFrac(w, -0.02));
  EXPECT_EQ(s.top, ship.top - GfxFrac(h, 0.3));
  EXPECT_EQ(s.bottom, ship.bottom + GfxFrac(h, 0.3));
  EXPECT_EQ(panel->shieldHalfWidth, (s.right - s.left) / 2);
  EXPECT_EQ(panel->rcScan.left, s.left - GfxFrac(s.right - s.left, 0.03));
  EXPECT_EQ(panel->scanStepX, 20);
  EXPECT_EQ(panel->scanStepY, 15);
  // The ship keeps 10 % of the panel's width free on either side.
  RECT client;
  GetClientRect(panel->hwnd, &client);
  EXPECT_EQ(ship.left, GfxFrac(client.right, 0.1));
}

// At a quarter turn a ring is seen edge on: it stays a 4-pixel-wide ellipse about the centre.
TEST_F(ShieldsPanel, EdgeOnRingIsFourPixelsWide) {
  PaintAt(std::numbers::pi / 2, std::numbers::pi / 2);
  EXPECT_LT(std::abs(panel->cosV), 0.01);
  EXPECT_LT(std::abs(panel->cosH), 0.01);
  const int cx = panel->shieldX, cy = panel->shieldY;
  EXPECT_EQ(panel->rcRingV.left, cx - 2);
  EXPECT_EQ(panel->rcRingV.right, cx + 2);
  EXPECT_EQ(panel->rcRingH.top, cy - 2);
  EXPECT_EQ(panel->rcRingH.bottom, cy + 2);
  // Above the ship both sides of the vertical ring show, 4 pixels apart: neither a line nor nothing.
  const int y = (panel->rcShield.top + panel->ship->GetRect()->top) / 2;
  EXPECT_EQ(Panel(cx - 2, y), kWhite);
  EXPECT_EQ(Panel(cx + 1, y), kWhite);
  EXPECT_EQ(Panel(cx - 5, y), kBlack);
  EXPECT_EQ(Panel(cx + 4, y), kBlack);
  // Left of the ship the horizontal ring is 4 pixels high.
  const int x = (panel->rcShield.left + panel->ship->GetRect()->left) / 2;
  EXPECT_EQ(Panel(x, cy - 2), kWhite);
  EXPECT_EQ(Panel(x, cy + 1), kWhite);
  EXPECT_EQ(Panel(x, cy - 5), kBlack);
  EXPECT_EQ(Panel(x, cy + 4), kBlack);
}

// The horizontal ring at a few phases: its rear half vanishes behind the saucer where it crosses
// the ship's body, the front half crosses in front; both are white over open space. Which half
// is at the back flips with every quarter turn.
TEST_F(ShieldsPanel, RearHalfPassesBehindTheHullAndFlipsEveryQuarterTurn) {
  struct Phase {
    int steps;  // of pi/15
    bool rearIsUpper;
  };
  const Phase phases[] = {{6, true}, {9, false}, {21, true}, {24, false}};
  for (const Phase& phase : phases) {
    PaintAt(0, phase.steps * std::numbers::pi / 15);
    SCOPED_TRACE(phase.steps);
    EXPECT_EQ(panel->tanH < 0, !phase.rearIsUpper);
    const RECT& h = panel->rcRingH;
    const int top = std::min(h.top, h.bottom), bottom = std::max(h.top, h.bottom) - 1;
    const int rearY = phase.rearIsUpper ? top : bottom;
    const int frontY = phase.rearIsUpper ? bottom : top;
    int hidden = 0, shown = 0;
    for (int x = panel->shieldX - 4; x <= panel->shieldX + 4; ++x) {
      for (int y = rearY - 1; y <= rearY + 1; ++y) {
        if (Body(x, y) != kBlack) continue;
        EXPECT_EQ(Panel(x, y), kBlack) << "rear half over the body at " << x << "," << y;
        ++hidden;
      }
      for (int y = frontY - 1; y <= frontY + 1; ++y) shown += Panel(x, y) == kWhite;
    }
    EXPECT_GT(hidden, 0) << "the rear half crosses the body";
    EXPECT_GT(shown, 0) << "the front half crosses in front";
    // Left of the ship, in open space, the rear half is white.
    const int x = panel->rcShield.left + (panel->rcShield.right - panel->rcShield.left) / 32;
    int open = 0;
    const int from = phase.rearIsUpper ? top : panel->shieldY + 1;
    const int to = phase.rearIsUpper ? panel->shieldY - 1 : bottom;
    for (int y = from; y <= to; ++y) open += Body(x, y) == kWhite && Panel(x, y) == kWhite;
    EXPECT_GT(open, 0) << "the rear half over open space";
  }
}

// The shield's outline: a white 2-pixel ellipse over the shield rectangle, hollow inside.
TEST_F(ShieldsPanel, ShieldOutlineIsAWhiteEllipse) {
  PaintAt(std::numbers::pi / 2, std::numbers::pi / 2);
  const double c = std::sqrt(0.5);
  const int x = panel->shieldX - static_cast<int>(panel->shieldHalfWidth * c);
  const int y = panel->shieldY - static_cast<int>(panel->shieldHalfHeight * c);
  int white = 0;
  for (int dy = -3; dy <= 3; ++dy) white += Panel(x, y + dy) == kWhite;
  EXPECT_GE(white, 2);
  EXPECT_LE(white, 3);
  EXPECT_EQ(Panel(x, y - 7), kBlack);
  EXPECT_EQ(Panel(x, y + 7), kBlack);
}

// Scan lines are drawn last, over everything, at their offsets in the scan rectangle.
TEST_F(ShieldsPanel, ScanLinesCrossTheWholeScanRectangle) {
  panel->scanX = 100;
  panel->scanY = 60;
  panel->scanStepX = panel->scanStepY = 0;
  panel->Paint(panel->hwnd, nullptr);
  const RECT& q = panel->rcScan;
  for (int y = q.top; y < q.bottom; y += 7) EXPECT_EQ(Panel(q.left + 100, y), kWhite) << y;
  for (int x = q.left; x < q.right; x += 7) EXPECT_EQ(Panel(x, q.top + 60), kWhite) << x;
}

// Without a ship image the layers are never built and the panel stays black; nothing steps.
TEST_F(ShieldsPanel, WithoutAShipThePanelIsBlack) {
  RECT client;
  GetClientRect(panel->hwnd, &client);
  HDC dc = GetDC(panel->hwnd);
  HBRUSH grey = CreateSolidBrush(RGB(90, 90, 90));
  FillRect(dc, &client, grey);
  DeleteObject(grey);
  ReleaseDC(panel->hwnd, dc);
  delete panel->ship;
  panel->ship = nullptr;
  const double angle = panel->angleV;
  EXPECT_EQ(panel->Paint(panel->hwnd, nullptr), -1);
  EXPECT_EQ(panel->angleV, angle);
  for (int y = 0; y < client.bottom; y += 9) {
    for (int x = 0; x < client.right; x += 9) EXPECT_EQ(Panel(x, y), kBlack) << x << "," << y;
  }
}

// Counts the repaints that Animate asks for.
class CountingShields : public CSubShields {
 public:
  using CSubShields::CSubShields;
  int Paint(HWND, HDC) override {
    ++paints;
    return 0;
  }
  int paints = 0;
};

// The flag is shared by all panels and never reset: the rhythm runs on across a rebuilt screen.
TEST_F(ShieldsPanel, RepaintsOnEverySecondAnimateAcrossRebuilds) {
  CSubShields::bRepaintDue = false;  // as when the program starts
  const int stepsFirst[] = {1, 2, 2, 1, 1};
  const int stepsSecond[] = {2, 1, 1, 2};
  std::vector<int> paintedAt;
  int call = 0;
  for (const auto& steps : {std::vector<int>(std::begin(stepsFirst), std::end(stepsFirst)),
                            std::vector<int>(std::begin(stepsSecond), std::end(stepsSecond))}) {
    CountingShields counting(app.get());
    for (int step : steps) {
      const int before = counting.paints;
      counting.Animate(step);
      ++call;
      if (counting.paints != before) paintedAt.push_back(call);
    }
  }
  EXPECT_EQ(paintedAt, (std::vector<int>{2, 4, 6, 8}));
}

}  // namespace
