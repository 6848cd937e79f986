#include "display/anim_shp.h"

#include <gtest/gtest.h>

#include "display/disp_std.h"
#include "display/display_fixture.h"
#include "gfx/gfx_rect.h"

namespace {

using AnimShpTest = DisplayTest;

// Records {3, A} then {2, B}: the last record is pending first, so B comes after 3 seconds, then
// the ring runs from the first: A 4 seconds later, B 3 seconds later, A 4 seconds after that.
TEST_F(AnimShpTest, CyclesFromTheLastRecordThenInOrder) {
  CGfxClr start, a, b;
  CGfxRect shape;
  shape.SetRect(RECT{100, 100, 120, 110});
  shape.SetColor(&start, nullptr);
  CAnimShp anim(app.get(), &shape);
  EXPECT_EQ(anim.AddStep(3, &a), 0);
  EXPECT_EQ(anim.AddStep(2, &b), 0);
  const CGfxClr* expected[] = {&start, &start, &b, &b, &b, &b, &a, &a, &a, &b, &b, &b, &b, &a};
  for (int second = 1; second <= 14; ++second) {
    EXPECT_EQ(anim.Step(), 0);
    EXPECT_EQ(shape.clr, expected[second - 1]) << "second " << second;
  }
}

TEST_F(AnimShpTest, InvalidatesOnlyTheRecolouredShape) {
  CGfxClr b;
  CGfxRect shape;
  shape.SetRect(RECT{100, 100, 120, 110});
  CAnimShp anim(app.get(), &shape);
  anim.AddStep(0, &b);
  ValidateRect(hwndMain, nullptr);
  anim.Step();
  RECT update{0, 0, 0, 0};
  ASSERT_TRUE(GetUpdateRect(hwndMain, &update, FALSE));
  EXPECT_EQ(update.left, 100);
  EXPECT_EQ(update.top, 100);
  EXPECT_EQ(update.right, 120);
  EXPECT_EQ(update.bottom, 110);
}

TEST_F(AnimShpTest, WithoutRecordsNothingChanges) {
  CGfxClr start;
  CGfxRect shape;
  shape.SetColor(&start, nullptr);
  CAnimShp anim(app.get(), &shape);
  for (int second = 0; second < 5; ++second) anim.Step();
  EXPECT_EQ(shape.clr, &start);
  CAnimShp orphan(app.get(), nullptr);
  EXPECT_EQ(orphan.AddStep(1, &start), -1);
}

// A framed screen whose top block cycles through A and B, as a derived screen sets it up.
class CycledFrame : public CDispStd {
 public:
  CycledFrame(CKalyx* app, CGfxClr* a, CGfxClr* b) : CDispStd(app), a(a), b(b) {}
  int SetUp() override {
    CDispStd::SetUp();
    for (CGfxShape* shape : Shapes()) shape->SetColor(app->Clr(kStartSlot), nullptr);
    auto* anim = new CAnimShp(app, &colTop);
    anim->AddStep(3, a);
    anim->AddStep(2, b);
    animList.Add(anim);
    return 0;
  }
  int Animate(int step) override {
    StepAnimations(step);
    return 0;
  }
  static constexpr int kStartSlot = 18;

 private:
  CGfxClr* a;
  CGfxClr* b;
};

// Driven by a timer on the virtual clock: the top block takes B after 3 seconds, A 4 seconds
// later, B 3 seconds after that. Each change repaints the top block alone: marks painted over
// the frame beside it survive, one painted over the block itself does not.
TEST_F(AnimShpTest, CyclesOnTheTimerRepaintingOnlyTheRecolouredShape) {
  const COLORREF start = app->Clr(CycledFrame::kStartSlot)->GetRGB();
  const COLORREF a = app->Clr(12)->GetRGB();
  const COLORREF b = app->Clr(20)->GetRGB();
  CycledFrame frame(app.get(), app->Clr(12), app->Clr(20));
  frame.SetUp();
  screen = &frame;
  InvalidateRect(hwndMain, nullptr, TRUE);
  Pump();
  ASSERT_NE(SetTimer(hwndMain, 1, kTickPeriod, nullptr), 0u);

  constexpr COLORREF kMark = RGB(255, 0, 255);
  constexpr POINT kMarks[] = {{100, 450}, {100, 150}, {600, 263}, {300, 600}, {100, 50}};
  const COLORREF expected[] = {start, start, b, b, b, b, a, a, a, b};
  for (int second = 1; second <= 10; ++second) {
    if (second == 3) {  // the second of the first change
      HDC dc = GetDC(hwndMain);
      HBRUSH mark = CreateSolidBrush(kMark);
      for (const POINT& p : kMarks) {
        const RECT r{p.x, p.y, p.x + 2, p.y + 2};
        FillRect(dc, &r, mark);
      }
      DeleteObject(mark);
      ReleaseDC(hwndMain, dc);
    }
    for (int tick = 0; tick < kTicksPerSecond; ++tick) {
      kx::advanceClock(kTickPeriod);
      Pump();
    }
    EXPECT_EQ(At(100, 50), expected[second - 1]) << "second " << second;
    EXPECT_EQ(At(170, 95), expected[second - 1]) << "second " << second << ", near the corner";
    if (second == 3) {
      for (const POINT& p : kMarks) {
        const bool insideTop = PtInRect(&frame.colTop.rect, p);
        EXPECT_EQ(At(p.x, p.y), insideTop ? b : kMark) << p.x << "," << p.y;
      }
    }
  }
  KillTimer(hwndMain, 1);
}

}  // namespace
