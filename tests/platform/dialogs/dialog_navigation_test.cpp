#include "user/dialog_navigation.h"

#include <gtest/gtest.h>

#include <vector>

namespace kx {
namespace {

constexpr TabCandidate kStop{true, true, true};
constexpr TabCandidate kLabel{true, true, false};
constexpr TabCandidate kDisabled{true, false, true};
constexpr TabCandidate kHidden{false, true, true};

struct NavigationCase {
  int from;
  bool backwards;
  int expected;
};

TEST(DialogNavigation, SkipsLabelsDisabledAndHiddenControlsAndWraps) {
  const std::vector<TabCandidate> controls{kLabel, kStop, kDisabled, kStop, kHidden, kStop};
  const NavigationCase cases[] = {
      {-1, false, 1}, {1, false, 3}, {3, false, 5}, {5, false, 1},
      {-1, true, 5},  {5, true, 3},  {3, true, 1},  {1, true, 5},
  };
  for (const NavigationCase& c : cases)
    EXPECT_EQ(nextTabStop(controls, c.from, c.backwards), c.expected)
        << c.from << (c.backwards ? " back" : "");
}

TEST(DialogNavigation, NoTabStopGivesNone) {
  const std::vector<TabCandidate> controls{kLabel, kDisabled, kHidden};
  EXPECT_EQ(nextTabStop(controls, -1, false), -1);
  EXPECT_EQ(nextTabStop({}, -1, true), -1);
}

TEST(DialogNavigation, ASingleStopComesBackToItself) {
  const std::vector<TabCandidate> controls{kLabel, kStop};
  EXPECT_EQ(nextTabStop(controls, 1, false), 1);
  EXPECT_EQ(nextTabStop(controls, 1, true), 1);
}

TEST(DialogNavigation, ArrowsStayInTheGroupAndPassOverLabels) {
  constexpr TabCandidate kGroupLabel{true, true, false, true, true};
  constexpr TabCandidate kBox{true, true, false, false, true};
  constexpr TabCandidate kGroupStop{true, true, true, true, false};
  // Group 0..3: a label, a box, two stops; group 4..7: a stop, a disabled one, a hidden one, a stop.
  const std::vector<TabCandidate> controls{kGroupLabel, kBox,      kStop,   kStop,
                                           kGroupStop,  kDisabled, kHidden, kStop};
  const NavigationCase cases[] = {
      {2, false, 3}, {3, false, 2}, {2, true, 3},  {3, true, 2},    {4, false, 7}, {7, false, 4},
      {7, true, 4},  {4, true, 7},  {0, false, 2}, {-1, false, -1}, {8, true, -1},
  };
  for (const NavigationCase& c : cases)
    EXPECT_EQ(nextGroupItem(controls, c.from, c.backwards), c.expected)
        << c.from << (c.backwards ? " back" : "");
}

TEST(DialogNavigation, AGroupOfOneKeepsItsControl) {
  const std::vector<TabCandidate> controls{kStop, {true, true, true, true, false}};
  EXPECT_EQ(nextGroupItem(controls, 0, false), 0);
  EXPECT_EQ(nextGroupItem(controls, 1, true), 1);
}

}  // namespace
}  // namespace kx
