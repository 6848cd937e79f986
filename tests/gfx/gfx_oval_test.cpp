#include "gfx/gfx_oval.h"

#include <gtest/gtest.h>

#include "gfx/gfx_geometry.h"

namespace {

// The oval of the standard frame's upper right corner at 1024 x 768.
TEST(GfxOval, FrameOvalGeometry) {
  CGfxOval oval;
  EXPECT_EQ(oval.SetRect(RECT{737, 103, 869, 164}), 0);
  EXPECT_EQ(BoxOf(oval.rect), (Box{737, 103, 869, 164}));
  EXPECT_EQ(BoxOf(oval.body), (Box{767, 103, 839, 164}));

  EXPECT_EQ(BoxOf(oval.capLeft.rect), (Box{737, 103, 768, 165}));
  EXPECT_EQ(BoxOf(oval.capLeft.pieBox), (Box{737, 103, 799, 165}));
  EXPECT_EQ(PtOf(oval.capLeft.radialStart), (Pt{767, 103}));
  EXPECT_EQ(PtOf(oval.capLeft.radialEnd), (Pt{767, 165}));

  EXPECT_EQ(BoxOf(oval.capRight.rect), (Box{839, 103, 870, 165}));
  EXPECT_EQ(BoxOf(oval.capRight.pieBox), (Box{808, 103, 870, 165}));
  EXPECT_EQ(PtOf(oval.capRight.radialStart), (Pt{838, 165}));
  EXPECT_EQ(PtOf(oval.capRight.radialEnd), (Pt{838, 103}));
}

TEST(GfxOval, OddHeightRoundsTheCapWidthDown) {
  CGfxOval oval;
  oval.SetRect(RECT{0, 0, 100, 61});
  EXPECT_EQ(BoxOf(oval.body), (Box{30, 0, 70, 61}));
  // Caps are given 30 pixels and, as every round, keep one more.
  EXPECT_EQ(BoxOf(oval.capLeft.rect), (Box{0, 0, 31, 62}));
  EXPECT_EQ(BoxOf(oval.capRight.rect), (Box{70, 0, 101, 62}));
}

TEST(GfxOval, SecondColourSurvivesRecolouringWithOne) {
  CGfxClr first;
  CGfxClr second;
  CGfxClr third;
  CGfxOval oval;
  oval.SetColor(&first, &second);
  oval.SetColor(&third, nullptr);
  EXPECT_EQ(oval.clr, &third);
  EXPECT_EQ(oval.clr2, &second);
  for (const CGfxHlfRnd* cap : {&oval.capLeft, &oval.capRight}) EXPECT_EQ(cap->clr, &third);
}

}  // namespace
