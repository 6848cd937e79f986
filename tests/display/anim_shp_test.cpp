#include "display/anim_shp.h"

#include <gtest/gtest.h>

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

}  // namespace
