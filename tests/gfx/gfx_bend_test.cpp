#include "gfx/gfx_bend.h"

#include <gtest/gtest.h>

#include "gfx/gfx_geometry.h"

namespace {

struct PartBox {
  const char* name;
  const RECT& actual;
  Box expected;
};

void ExpectBoxes(std::initializer_list<PartBox> parts) {
  for (const PartBox& part : parts) EXPECT_EQ(BoxOf(part.actual), part.expected) << part.name;
}

// The upper bend of the standard frame at 1024 x 768: k1 = 41, k2 = 61, g = 10, g8 = 8.
TEST(GfxBend, UpperFrameBendAt1024x768) {
  CGfxBend bend(1);
  EXPECT_EQ(bend.SetRect(RECT{51, 103, 460, 268}, {123, 10}), 0);
  ExpectBoxes({
      {"armV", bend.armV.rect, {51, 103, 174, 227}},
      {"armH", bend.armH.rect, {112, 258, 460, 268}},
      {"fillInner", bend.fillInner.rect, {112, 227, 174, 258}},
      {"fillCorner", bend.fillCorner.rect, {174, 247, 189, 258}},
      {"corner", bend.corner.rect, {51, 227, 113, 269}},
      {"corner pie", bend.corner.pieBox, {51, 186, 175, 269}},
      {"fillet", bend.fillet.rect, {165, 227, 226, 268}},
      {"fillet pie", bend.fillet.pieBox, {165, 187, 287, 268}},
  });
  EXPECT_EQ(PtOf(bend.corner.radialStart), (Pt{51, 227}));
  EXPECT_EQ(PtOf(bend.corner.radialEnd), (Pt{112, 268}));
  EXPECT_EQ(PtOf(bend.fillet.radialStart), (Pt{165, 227}));
  EXPECT_EQ(PtOf(bend.fillet.radialEnd), (Pt{225, 267}));
  EXPECT_EQ(bend.fillet.penWidth, 10);
}

TEST(GfxBend, LowerFrameBendAt1024x768) {
  CGfxBend bend(3);
  bend.SetRect(RECT{51, 272, 460, 384}, {123, 10});
  ExpectBoxes({
      {"armV", bend.armV.rect, {51, 313, 174, 384}},
      {"armH", bend.armH.rect, {112, 272, 460, 282}},
      {"fillInner", bend.fillInner.rect, {112, 282, 174, 313}},
      {"fillCorner", bend.fillCorner.rect, {174, 282, 189, 292}},
      {"corner", bend.corner.rect, {51, 272, 113, 314}},
      {"corner pie", bend.corner.pieBox, {51, 272, 175, 356}},
      {"fillet", bend.fillet.rect, {165, 273, 226, 314}},
      {"fillet pie", bend.fillet.pieBox, {165, 273, 287, 355}},
  });
  EXPECT_EQ(PtOf(bend.corner.radialStart), (Pt{112, 272}));
  EXPECT_EQ(PtOf(bend.corner.radialEnd), (Pt{51, 313}));
  EXPECT_EQ(PtOf(bend.fillet.radialStart), (Pt{225, 273}));
  EXPECT_EQ(PtOf(bend.fillet.radialEnd), (Pt{165, 313}));
  EXPECT_EQ(bend.fillet.penWidth, 10);
}

// With the vertical arm thinner than the horizontal one, the corner is sized from F and the
// fillet's band from A: g = 8, k1 = F / 2 = 10, k2 = F / 3 = 6.
TEST(GfxBend, ArmWidthBelowArmHeight) {
  CGfxBend bend(1);
  bend.SetRect(RECT{0, 0, 100, 100}, {8, 20});
  ExpectBoxes({
      {"armV", bend.armV.rect, {0, 0, 8, 90}},
      {"armH", bend.armH.rect, {6, 80, 100, 100}},
      {"corner", bend.corner.rect, {0, 90, 7, 101}},
      // g8 = trunc(0.8 x 8) = 6, so the corner box moves by (8 - 6 - 1, 6 + 2 - 20).
      {"fillet", bend.fillet.rect, {1, 78, 7, 88}},
  });
  EXPECT_EQ(bend.fillet.penWidth, 8);
}

TEST(GfxBend, KeepsItsBoxOutOfTheBaseRect) {
  CGfxBend bend(3);
  bend.SetRect(RECT{51, 272, 460, 384}, {123, 10});
  EXPECT_EQ(BoxOf(*bend.GetRect()), (Box{0, 0, 0, 0}));
  EXPECT_EQ(BoxOf(bend.rcBend), (Box{51, 272, 460, 384}));
  EXPECT_EQ(bend.armWidth, 123);
  EXPECT_EQ(bend.armHeight, 10);
}

TEST(GfxBend, SetColorReachesEveryPartButNotTheBend) {
  CGfxClr clr;
  CGfxBend bend(1);
  EXPECT_EQ(bend.SetColor(&clr, nullptr), 0);
  EXPECT_EQ(bend.clr, nullptr);
  for (const CGfxShape* part : std::initializer_list<const CGfxShape*>{
           &bend.armV, &bend.armH, &bend.fillInner, &bend.fillCorner, &bend.corner, &bend.fillet}) {
    EXPECT_EQ(part->clr, &clr);
  }
}

}  // namespace
