#include "screens/propulsion/sub_orbit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "display/display_fixture.h"
#include "screens/propulsion/disp_orbt.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180;

// The orbit panel of a set-up orbit screen at 1024 x 768: the panel is 819 x 476.
class SubOrbit : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    orbit = std::make_unique<CDispOrbt>(app.get());
    ASSERT_EQ(orbit->SetUp(), 0);
    sub = static_cast<CSubOrbit*>(orbit->subLower);
  }
  void TearDown() override {
    orbit.reset();
    DisplayTest::TearDown();
  }
  std::vector<CFrame*> Frames() const {
    std::vector<CFrame*> list;
    CIterator walk(sub->frames);
    while (walk.Next()) list.push_back(static_cast<CFrame*>(walk.Current()));
    return list;
  }
  std::vector<double> Degrees() const {
    std::vector<double> degrees;
    for (const CFrame* f : Frames()) degrees.push_back(f->GetAngle() / kDegree);
    return degrees;
  }

  std::unique_ptr<CDispOrbt> orbit;
  CSubOrbit* sub = nullptr;
};

TEST_F(SubOrbit, LaysTheSceneOutFromThePanelsHeight) {
  EXPECT_EQ(sub->width, 819);
  EXPECT_EQ(sub->height, 476);
  EXPECT_EQ(sub->orbitCentre.x, -163);  // trunc(-0.2 x 819)
  EXPECT_EQ(sub->orbitCentre.y, 333);
  EXPECT_EQ(sub->frameDepth, 571);
  EXPECT_EQ(sub->eyePoint.x, 571);
  EXPECT_EQ(sub->eyePoint.y, 238);
  EXPECT_EQ(sub->eyePoint.z, 0);
  // A 3H square whose centre lies 0.5H left of and below the orbit's centre.
  EXPECT_EQ(sub->sphere->radius, 712);
  EXPECT_EQ(sub->sphere->cx, -401);
  EXPECT_EQ(sub->sphere->cy, 571);
}

TEST_F(SubOrbit, FifteenFramesStartSixDegreesApartFromSixteen) {
  const std::vector<double> degrees = Degrees();
  ASSERT_EQ(degrees.size(), 15u);
  for (int i = 0; i < 15; ++i) EXPECT_NEAR(degrees[i], 16 + 6 * i, 1e-9) << i;
  for (const CFrame* f : Frames()) {
    EXPECT_EQ(f->size.x, 571);
    EXPECT_EQ(f->size.y, 428);
    EXPECT_EQ(f->pos.y, 238);
    EXPECT_EQ(f->distCache, 571);
  }
}

// The frames at 94 and 100 degrees are behind the eye: the first paint sends them back 270.
TEST_F(SubOrbit, TheFirstPaintSendsTheTwoBehindTheEyeToFourAndTen) {
  EXPECT_LT(Frames()[13]->pos.z, 0);
  EXPECT_EQ(sub->Paint(sub->hwnd, nullptr), 0);
  const std::vector<double> degrees = Degrees();
  for (int i = 0; i < 13; ++i) EXPECT_NEAR(degrees[i], 16 + 6 * i, 1e-9) << i;
  EXPECT_NEAR(degrees[13], 4, 1e-9);
  EXPECT_NEAR(degrees[14], 10, 1e-9);
  for (const CFrame* f : Frames()) EXPECT_GE(f->pos.z, 0);
}

// Each tick turns every frame one degree; one that passes 90 goes back to just past 0, so every
// frame runs from just above 0 to 90 degrees in 90 ticks.
TEST_F(SubOrbit, AFrameRunsFromJustAboveZeroToNinetyInNinetyTicks) {
  sub->Paint(sub->hwnd, nullptr);
  const std::vector<double> start = Degrees();
  CFrame* tenth = Frames()[14];  // at 10 degrees
  for (int tick = 1; tick <= 90; ++tick) {
    EXPECT_EQ(sub->Animate(tick % 2 + 1), 0);
    for (double d : Degrees()) {
      EXPECT_GT(d, 0.5);
      EXPECT_LT(d, 90.5);
    }
    if (tick == 80) {
      EXPECT_NEAR(tenth->GetAngle() / kDegree, 90, 1e-9);
      EXPECT_EQ(tenth->pos.z, 0);  // at the eye's depth: still drawn, not sent back
    }
    if (tick == 81) {
      EXPECT_NEAR(tenth->GetAngle() / kDegree, 1, 1e-9);
    }
  }
  const std::vector<double> end = Degrees();
  for (int i = 0; i < 15; ++i) EXPECT_NEAR(end[i], start[i], 1e-6) << i;
}

TEST_F(SubOrbit, TheMeridiansTurnOneDegreeATick) {
  CGridSphrV* first = sub->sphere->meridians[0];
  CGridSphrV* last = sub->sphere->meridians[71];
  EXPECT_EQ(first->angle, 0);
  sub->Animate(1);
  EXPECT_EQ(first->angle, 1);
  EXPECT_EQ(last->angle, 356);
  sub->Animate(2);
  sub->Animate(1);
  EXPECT_EQ(first->angle, 3);
  for (int tick = 0; tick < 4; ++tick) sub->Animate(1);
  EXPECT_EQ(last->angle, 2);  // 355 + 7 wraps
}

// Animate paints straight into the window: the desktop changes without a message being handled.
TEST_F(SubOrbit, AnimatePaintsAtOnce) {
  Pump();
  const RECT& r = orbit->rcLower;
  std::vector<COLORREF> before;
  for (int y = r.top; y < r.bottom; y += 3)
    for (int x = r.left; x < r.right; x += 3) before.push_back(At(x, y));
  sub->Animate(1);
  int changed = 0;
  size_t i = 0;
  for (int y = r.top; y < r.bottom; y += 3)
    for (int x = r.left; x < r.right; x += 3) changed += At(x, y) != before[i++];
  EXPECT_GT(changed, 0);
}

// The panel's set-up, ticks and paints at every small size: no division by zero and no infinite
// value turned into a coordinate (the tests run under UBSan).
TEST_F(SubOrbit, SmallPanelsAreSafe) {
  const SIZE sizes[] = {{1, 1}, {1, 2}, {2, 1}, {3, 3}, {1, 40}, {40, 1}, {5, 7}, {17, 2}};
  for (const SIZE& size : sizes) {
    CSubOrbit panel(app.get());
    panel.RegisterClass();
    panel.SetRect(RECT{10, 10, 10 + size.cx, 10 + size.cy});
    ASSERT_EQ(panel.Create(0, 0), 0);
    EXPECT_EQ(panel.SetUp(), 0) << size.cx << "x" << size.cy;
    for (int tick = 0; tick < 100; ++tick) EXPECT_EQ(panel.Animate(1), 0);
    EXPECT_EQ(panel.Paint(panel.hwnd, nullptr), 0);
  }
  Pump();
}

TEST_F(SubOrbit, APanelNotSetUpAnimatesNothing) {
  CSubOrbit panel(app.get());
  EXPECT_EQ(panel.Animate(1), -1);
}

}  // namespace
