#include "screens/ship/molecule.h"

#include <gtest/gtest.h>

#include "gfx/gfx_canvas.h"

namespace {

struct BandCase {
  double depth;
  int band;
};

// Each band includes its lower bound: [-0.75, -0.5) is band 1, 0.75 and above band 7.
constexpr BandCase kBands[] = {
    {-1.0, 0}, {-0.7500001, 0}, {-0.75, 1},     {-0.5000001, 1}, {-0.5, 2}, {-0.25, 3}, {-0.0000001, 3},
    {0.0, 4},  {0.25, 5},       {0.4999999, 5}, {0.5, 6},        {0.75, 7}, {1.0, 7},
};

TEST(CMolecule, DepthFallsInTheBandThatBeginsAtOrBelowIt) {
  for (const BandCase& c : kBands) EXPECT_EQ(CMolecule::DepthBand(c.depth), c.band) << c.depth;
}

// Radius 17 (a panel 100 wide), the helix beginning 17 above the top: each axis y is the one
// before plus 11.05, truncated toward zero.
TEST(CMolecule, LayOutStacksAtomsDownTheAxisEightyDegreesApart) {
  CMolecule molecule(nullptr, 12, 17);
  ASSERT_EQ(molecule.LayOut(RECT{0, -17, 100, 200}), 0);
  EXPECT_EQ(molecule.topX, 50);
  EXPECT_EQ(molecule.topY, -17);
  EXPECT_EQ(molecule.amplitude, 17);
  EXPECT_EQ(molecule.layoutWidth, 100);
  EXPECT_EQ(molecule.layoutHeight, 217);
  const int axisY[] = {-17, -5, 6, 17, 28, 39, 50, 61, 72, 83, 94, 105};
  for (int i = 0; i < 12; ++i) {
    ASSERT_NE(molecule.atoms[i], nullptr);
    EXPECT_EQ(molecule.atoms[i]->axis.y, axisY[i]) << i;
    EXPECT_EQ(molecule.atoms[i]->axis.x, 50) << i;
    EXPECT_EQ(molecule.atoms[i]->radius, 17);
    EXPECT_EQ(molecule.atoms[i]->amplitude, 17);
  }
  // Laid out and turned once: 80 i + 12 degrees, one full turn taken off.
  const int angles[] = {12, 92, 172, 252, 332, 52, 132, 212, 292, 372, 452, 532};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(molecule.atoms[i]->angle, angles[i]) << i;
}

TEST(CMolecule, TheLastOfTwentyFourKeepsItsAngleAboveAFullTurn) {
  CMolecule molecule(nullptr, 24, 21);
  ASSERT_EQ(molecule.LayOut(RECT{685, 315, 965, 625}), 0);
  EXPECT_EQ(molecule.atoms[23]->angle, 80 * 23 + 12 - 360);
  EXPECT_EQ(molecule.topX, 825);
}

TEST(CMolecule, ThirtyTurnsMakeAFullTurn) {
  CMolecule molecule(nullptr, 12, 17);
  molecule.LayOut(RECT{0, 0, 100, 200});
  double sines[12];
  for (int i = 0; i < 12; ++i) sines[i] = molecule.atoms[i]->sine;
  for (int tick = 0; tick < 29; ++tick) EXPECT_EQ(molecule.TurnAll(10), 0);
  EXPECT_NE(molecule.atoms[0]->angle, 12);
  molecule.TurnAll(10);
  for (int i = 0; i < 12; ++i) EXPECT_NEAR(molecule.atoms[i]->sine, sines[i], 1e-9) << i;
  EXPECT_EQ(molecule.atoms[0]->angle, 12);
}

TEST(CMolecule, NoAtomsAndANegativeCountAreEmptyHelices) {
  CMolecule none(nullptr, 0, 10);
  EXPECT_EQ(none.LayOut(RECT{0, 0, 10, 10}), 0);
  CMolecule negative(nullptr, -3, 10);
  EXPECT_EQ(negative.count, 0);
  EXPECT_EQ(negative.LayOut(RECT{0, 0, 10, 10}), 0);
  EXPECT_EQ(negative.TurnAll(10), 0);
}

TEST(CMolecule, SetColorKeepsBothColours) {
  CGfxClr first, second;
  CMolecule molecule(nullptr, 1, 1);
  EXPECT_EQ(molecule.SetColor(&first, &second), 0);
  EXPECT_EQ(molecule.clr, &first);
  EXPECT_EQ(molecule.clr2, &second);
}

class MoleculeDraw : public GfxCanvasTest {
 protected:
  static constexpr COLORREF kOutline = RGB(0, 255, 255);
  static constexpr COLORREF kFill = RGB(0, 0, 0);

  void SetUp() override {
    GfxCanvasTest::SetUp();
    pen = CreatePen(PS_SOLID, 1, kOutline);
    brush = CreateSolidBrush(kFill);
    oldPen = SelectObject(hdc, pen);
    oldBrush = SelectObject(hdc, brush);
  }
  void TearDown() override {
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
    GfxCanvasTest::TearDown();
  }
  // Puts atom i at (x, y) with radius 10, at rest at the angle it reaches after one turn.
  static void Put(CMolecule& molecule, int i, int x, int y, int angle) {
    molecule.atoms[i]->Place(POINT{x, y}, 10, 0, angle - CMolecule::kTurnDegrees);
    molecule.atoms[i]->Turn(CMolecule::kTurnDegrees);
  }

  HPEN pen = nullptr;
  HBRUSH brush = nullptr;
  HGDIOBJ oldPen = nullptr, oldBrush = nullptr;
};

// The disc of an atom spans (x - r, y - r) to (x + r, y + r), right and bottom edges excluded.
TEST_F(MoleculeDraw, AnAtomIsADiscWithTheContextsPenAndBrush) {
  CMolecule molecule(nullptr, 1, 10);
  ASSERT_EQ(molecule.LayOut(RECT{0, 0, 1, 1}), 0);
  Put(molecule, 0, 30, 30, 0);
  EXPECT_EQ(molecule.Draw(nullptr, hdc), 0);
  const Probe outline[] = {{20, 30, true}, {19, 30, false}, {39, 30, true}, {40, 30, false},
                           {30, 20, true}, {30, 19, false}, {30, 39, true}, {30, 40, false}};
  EXPECT_PROBES(kOutline, outline);
  EXPECT_EQ(At(30, 30), kFill);
}

// The nearer atom comes first in the array but is drawn after the farther one, over it.
TEST_F(MoleculeDraw, NearerAtomsOverdrawFartherOnes) {
  CMolecule molecule(nullptr, 2, 10);
  ASSERT_EQ(molecule.LayOut(RECT{0, 0, 1, 1}), 0);
  Put(molecule, 0, 30, 30, 0);    // depth +1
  Put(molecule, 1, 38, 30, 180);  // depth -1, overlapping on the right
  molecule.Draw(nullptr, hdc);
  EXPECT_EQ(At(28, 30), kFill);     // the far atom's left outline, hidden inside the near disc
  EXPECT_EQ(At(39, 30), kOutline);  // the near atom's right outline, on top
  EXPECT_EQ(At(47, 30), kOutline);  // the far atom's right outline, uncovered
}

// After an allocation failure the array holds null entries; turning and drawing pass them by.
TEST_F(MoleculeDraw, MissingAtomsAreSkippedWhenTurningAndDrawing) {
  CMolecule molecule(nullptr, 3, 10);
  ASSERT_EQ(molecule.LayOut(RECT{0, 0, 1, 1}), 0);
  Put(molecule, 0, 30, 30, 0);
  Put(molecule, 2, 80, 30, 0);
  delete molecule.atoms[1];
  molecule.atoms[1] = nullptr;
  EXPECT_EQ(molecule.TurnAll(10), 0);
  EXPECT_EQ(molecule.atoms[0]->angle, 12);
  EXPECT_EQ(molecule.atoms[2]->angle, 12);
  EXPECT_EQ(molecule.Draw(nullptr, hdc), 0);
  EXPECT_EQ(At(molecule.atoms[0]->centre.x - 10, 30), kOutline);
  EXPECT_EQ(At(molecule.atoms[2]->centre.x - 10, 30), kOutline);
}

TEST_F(MoleculeDraw, AnUnlaidMoleculeDrawsNothing) {
  CMolecule molecule(nullptr, 3, 10);
  EXPECT_EQ(molecule.TurnAll(10), 0);
  EXPECT_EQ(molecule.Draw(nullptr, hdc), 0);
  EXPECT_EQ(At(0, 0), kMarker);
}

}  // namespace
