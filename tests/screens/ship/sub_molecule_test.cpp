#include "screens/ship/sub_molecule.h"

#include <gtest/gtest.h>

#include <cmath>

#include "display/display_fixture.h"

namespace {

constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class SubMoleculeTest : public DisplayTest {
 protected:
  // A molecule panel at rc on the main window, set up as a screen does.
  int Open(CSubMolecule& panel, const RECT& rc) {
    panel.RegisterClass();
    panel.SetRect(rc);
    if (panel.Create(0, 0) != 0) return -1;
    const int result = panel.SetUp();
    Pump();
    return result;
  }

  // The atom drawn last: the highest index of the nearest band that holds any atom.
  static const CAtom* Topmost(const CMolecule& molecule) {
    const CAtom* top = nullptr;
    int topBand = -1;
    for (int i = 0; i < molecule.count; ++i) {
      const int band = CMolecule::DepthBand(molecule.atoms[i]->cosine);
      if (band >= topBand) top = molecule.atoms[i], topBand = band;
    }
    return top;
  }
};

// A panel 100 pixels wide: r = trunc(0.17 x 100) = 17, and the helix begins 17 above the top.
TEST_F(SubMoleculeTest, SetUpHangsTheHelixOneRadiusAboveThePanel) {
  CSubMolecule panel(app.get());
  ASSERT_EQ(Open(panel, RECT{200, 300, 300, 500}), 0);
  ASSERT_NE(panel.molecule, nullptr);
  EXPECT_EQ(panel.molecule->count, CSubMolecule::kAtoms);
  EXPECT_EQ(panel.molecule->radius, 17);
  EXPECT_EQ(panel.molecule->layout.top, -17);
  EXPECT_EQ(panel.molecule->layout.bottom, 200);
  const int axisY[] = {-17, -5, 6, 17, 28};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(panel.molecule->atoms[i]->axis.y, axisY[i]) << i;
  EXPECT_EQ(panel.molecule->atoms[0]->axis.x, 50);
}

// Composed off screen and copied whole: every pixel of the panel is the black of the discs and
// the background or the cyan of the outlines.
TEST_F(SubMoleculeTest, PaintsCyanOutlinesOnBlackDiscs) {
  CSubMolecule panel(app.get());
  const RECT rc{200, 300, 400, 700};
  ASSERT_EQ(Open(panel, rc), 0);
  ASSERT_EQ(panel.Animate(1), 0);
  int cyan = 0, other = 0;
  for (int y = rc.top; y < rc.bottom; ++y) {
    for (int x = rc.left; x < rc.right; ++x) {
      const COLORREF c = At(x, y);
      cyan += c == kCyan;
      other += c != kCyan && c != kBlack;
    }
  }
  EXPECT_GT(cyan, 0);
  EXPECT_EQ(other, 0);

  // The atom drawn last: a black centre and a cyan rim 2 pixels wide, inside the disc's box.
  const CAtom* top = Topmost(*panel.molecule);
  const int x = rc.left + top->centre.x;
  const int y = rc.top + top->centre.y;
  const int r = top->radius;
  EXPECT_EQ(At(x, y), kBlack);
  const int rim[] = {0, 1};  // pixels in from the disc's edge that the outline covers
  for (int d : rim) {
    EXPECT_EQ(At(x - r + d, y), kCyan) << d;
    EXPECT_EQ(At(x + r - 1 - d, y), kCyan) << d;
    EXPECT_EQ(At(x, y - r + d), kCyan) << d;
  }
  EXPECT_EQ(At(x - r + 2, y), kBlack);
  EXPECT_EQ(At(x + r - 3, y), kBlack);
  EXPECT_EQ(At(x, y - r + 2), kBlack);
}

TEST_F(SubMoleculeTest, EveryTickTurnsTwelveDegreesWhateverTheStep) {
  CSubMolecule panel(app.get());
  ASSERT_EQ(Open(panel, RECT{200, 300, 400, 700}), 0);
  const int before = panel.molecule->atoms[1]->angle;  // 92
  EXPECT_EQ(panel.Animate(1), 0);
  EXPECT_EQ(panel.molecule->atoms[1]->angle, before + 12);
  EXPECT_EQ(panel.Animate(2), 0);
  EXPECT_EQ(panel.molecule->atoms[1]->angle, before + 24);
}

// At the default two ticks a second the helix turns 24 degrees a second: round in 15 seconds.
TEST_F(SubMoleculeTest, AFullTurnTakesFifteenSecondsAtTheDefaultRate) {
  ASSERT_EQ(app->ClkScndCnt, 2);
  CSubMolecule panel(app.get());
  const RECT rc{200, 300, 400, 700};
  ASSERT_EQ(Open(panel, rc), 0);
  panel.Animate(1);
  double sines[CSubMolecule::kAtoms], cosines[CSubMolecule::kAtoms];
  for (int i = 0; i < CSubMolecule::kAtoms; ++i) {
    sines[i] = panel.molecule->atoms[i]->sine;
    cosines[i] = panel.molecule->atoms[i]->cosine;
  }
  const int ticks = 15 * app->ClkScndCnt;
  for (int tick = 1; tick < ticks; ++tick) {
    panel.Animate(tick % app->ClkScndCnt == 0 ? 2 : 1);
    const CAtom* first = panel.molecule->atoms[0];
    EXPECT_FALSE(std::abs(first->sine - sines[0]) < 1e-6 && std::abs(first->cosine - cosines[0]) < 1e-6)
        << tick;
  }
  panel.Animate(2);
  for (int i = 0; i < CSubMolecule::kAtoms; ++i) {
    EXPECT_NEAR(panel.molecule->atoms[i]->sine, sines[i], 1e-9) << i;
    EXPECT_NEAR(panel.molecule->atoms[i]->cosine, cosines[i], 1e-9) << i;
  }
}

// A panel whose window could not be made would otherwise draw through the whole screen's context.
TEST_F(SubMoleculeTest, WithoutAWindowAnimateDrawsNowhere) {
  CSubMolecule panel(app.get());
  EXPECT_EQ(panel.Animate(1), 0);
  EXPECT_EQ(panel.Animate(2), 0);
  Pump();
  EXPECT_EQ(At(0, 0), kBlack);
  EXPECT_EQ(panel.molecule, nullptr);
}

TEST_F(SubMoleculeTest, WithoutAHelixThePanelIsBlack) {
  CSubMolecule panel(app.get());
  const RECT rc{10, 10, 60, 60};
  panel.RegisterClass();
  panel.SetRect(rc);
  ASSERT_EQ(panel.Create(0, 0), 0);
  Pump();
  EXPECT_EQ(panel.Paint(panel.hwnd, nullptr), 0);
  for (int y = rc.top; y < rc.bottom; y += 7)
    for (int x = rc.left; x < rc.right; x += 7) EXPECT_EQ(At(x, y), kBlack);
}

}  // namespace
