#include "screens/ship/atom.h"

#include <gtest/gtest.h>

#include <cmath>

#include "screens/ship/molecule.h"

namespace {

struct TurnCase {
  int placed;     // degrees given to Place
  int degrees;    // one Turn by this
  int angle;      // stored afterwards
  double sine;    // of the new angle
  double cosine;  // its depth
  LONG x;         // drawn centre about the axis x = 100 with amplitude 20
};

// A turn takes one full circle off at most: an angle placed far above a turn comes down only
// over several turns, while sine and cosine are right from the first.
constexpr TurnCase kTurns[] = {
    {350, 12, 2, 0.0348995, 0.9993908, 100},      // sine x 20 = 0.698, truncated
    {0, 12, 12, 0.2079117, 0.9781476, 104},       //
    {78, 12, 90, 1.0, 0.0, 120},                  //
    {258, 12, 270, -1.0, 0.0, 80},                //
    {48, 12, 60, 0.8660254, 0.5, 117},            // 117.32
    {228, 12, 240, -0.8660254, -0.5, 82},         // 82.68 truncates, it is not rounded
    {348, 12, 0, 0.0, 1.0, 100},                  // 360 is one full turn
    {347, 12, 359, -0.0174524, 0.9998477, 99},    //
    {1840, 12, 1492, 0.7880108, 0.6156615, 115},  // 1852 degrees, one turn off
};

TEST(CAtom, TurnAdvancesTheAngleAndSwingsTheCentreSideways) {
  for (const TurnCase& c : kTurns) {
    CAtom atom(nullptr);
    EXPECT_EQ(atom.Place(POINT{100, 50}, 7, 20, c.placed), 0);
    EXPECT_EQ(atom.Turn(c.degrees), 0);
    EXPECT_EQ(atom.angle, c.angle) << c.placed;
    EXPECT_NEAR(atom.sine, c.sine, 1e-6) << c.placed;
    EXPECT_NEAR(atom.cosine, c.cosine, 1e-6) << c.placed;
    EXPECT_EQ(atom.centre.x, c.x) << c.placed;
    EXPECT_EQ(atom.centre.y, 50) << c.placed;  // atoms move only sideways
    EXPECT_EQ(atom.radius, 7);
  }
}

TEST(CAtom, AtThreeHundredFiftyTurnedByTwelveItIsNearestTheViewer) {
  CAtom atom(nullptr);
  atom.Place(POINT{0, 0}, 5, 5, 350);
  atom.Turn(12);
  EXPECT_EQ(atom.angle, 2);
  EXPECT_EQ(CMolecule::DepthBand(atom.cosine), CMolecule::kDepthBands - 1);
}

TEST(CAtom, AnAngleFarAboveAFullTurnComesDownOneTurnAtATime) {
  CAtom atom(nullptr);
  atom.Place(POINT{0, 0}, 5, 5, 1840);
  const int expected[] = {1492, 1144, 796, 448, 100, 112};
  for (int angle : expected) {
    atom.Turn(12);
    EXPECT_EQ(atom.angle, angle);
  }
}

}  // namespace
