// The backends' arithmetic: the changed rectangles sent at a present, and several displays laid
// out as one desktop.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "backends/damage_list.h"
#include "backends/monitor_layout.h"

namespace kx {
namespace {

bool same(const RECT& a, const RECT& b) {
  return EqualRect(&a, &b) != FALSE;
}

TEST(DamageListTest, ApartStaysApartAndMeetingMerges) {
  struct Case {
    const char* name;
    std::vector<RECT> added;
    std::vector<RECT> expected;
  } cases[] = {
      {"empty ones are ignored", {{5, 5, 5, 9}, {3, 3, 2, 4}}, {}},
      {"apart", {{0, 0, 10, 10}, {20, 0, 30, 10}}, {{0, 0, 10, 10}, {20, 0, 30, 10}}},
      {"one pixel apart", {{0, 0, 10, 10}, {11, 0, 20, 10}}, {{0, 0, 10, 10}, {11, 0, 20, 10}}},
      {"sharing an edge", {{0, 0, 10, 10}, {10, 0, 20, 10}}, {{0, 0, 20, 10}}},
      {"overlapping", {{0, 0, 10, 10}, {5, 5, 15, 15}}, {{0, 0, 15, 15}}},
      {"inside", {{0, 0, 10, 10}, {2, 2, 4, 4}}, {{0, 0, 10, 10}}},
      // The union of the first two grows into the third, which joins too.
      {"chain", {{0, 0, 10, 10}, {30, 0, 40, 10}, {9, 0, 31, 2}}, {{0, 0, 40, 10}}},
  };
  for (const Case& c : cases) {
    DamageList list;
    for (const RECT& r : c.added) list.add(r);
    ASSERT_EQ(list.rects().size(), c.expected.size()) << c.name;
    for (size_t i = 0; i < c.expected.size(); ++i)
      EXPECT_TRUE(same(list.rects()[i], c.expected[i])) << c.name;
  }
}

TEST(DamageListTest, TooManyBecomeTheirBoundingBox) {
  DamageList list;
  for (LONG i = 0; i < static_cast<LONG>(DamageList::kMaxRects); ++i)
    list.add(RECT{i * 10, 0, i * 10 + 5, 5});
  EXPECT_EQ(list.rects().size(), DamageList::kMaxRects);
  list.add(RECT{500, 100, 501, 101});
  ASSERT_EQ(list.rects().size(), 1u);
  EXPECT_TRUE(same(list.rects()[0], RECT{0, 0, 501, 101}));
  list.clear();
  EXPECT_TRUE(list.rects().empty());
}

TEST(MonitorLayoutTest, TheUnionStartsAtTheDesktopsOrigin) {
  struct Case {
    const char* name;
    std::vector<RECT> displays;
    SIZE desktop;
    std::vector<RECT> placed;
  } cases[] = {
      {"one", {{0, 0, 1920, 1080}}, {1920, 1080}, {{0, 0, 1920, 1080}}},
      {"second right, shorter",
       {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}},
       {3200, 1080},
       {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}}},
      {"second left and lower",
       {{0, 0, 800, 600}, {-1024, 200, 0, 968}},
       {1824, 968},
       {{1024, 0, 1824, 600}, {0, 200, 1024, 968}}},
      {"stacked above",
       {{0, 0, 640, 480}, {0, -480, 640, 0}},
       {640, 960},
       {{0, 480, 640, 960}, {0, 0, 640, 480}}},
      {"an empty display is left out",
       {{0, 0, 640, 480}, {640, 0, 640, 480}},
       {640, 480},
       {{0, 0, 640, 480}}},
      {"none", {}, {0, 0}, {}},
  };
  for (const Case& c : cases) {
    const MonitorLayout layout = layOutMonitors(c.displays);
    EXPECT_EQ(layout.desktop.cx, c.desktop.cx) << c.name;
    EXPECT_EQ(layout.desktop.cy, c.desktop.cy) << c.name;
    ASSERT_EQ(layout.monitors.size(), c.placed.size()) << c.name;
    for (size_t i = 0; i < c.placed.size(); ++i) EXPECT_TRUE(same(layout.monitors[i], c.placed[i])) << c.name;
  }
}

}  // namespace
}  // namespace kx
