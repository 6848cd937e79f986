// The cache of wide strokes' runs: what an animation strokes again must still be there when its
// cycle comes round.
#include <gtest/gtest.h>

#include <vector>

#include "raster/stroke_cache.h"

namespace kx::test {
namespace {

std::vector<PathOp> Corner(int size) {
  return {PathOp{PathOp::Kind::Arc, double(size), double(size), double(size), double(size), 1.5708, 3.1416}};
}

// The orbit panel strokes fifteen brackets of two corners each; the frames stand six ticks apart,
// so the same corners come back every sixth tick: 180 figures in one cycle, besides the sphere's.
TEST(StrokeCache, ACycleOfTwoHundredFiguresIsKeptWhole) {
  StrokeCache& cache = StrokeCache::local();
  constexpr int kFigures = 200;
  for (int round = 0; round < 2; ++round) {
    int found = 0;
    for (int i = 0; i < kFigures; ++i) {
      const int size = 1000 + i;  // figures no other test strokes
      if (cache.find(Corner(size), 7)) {
        ++found;
      } else {
        cache.add(Corner(size), 7, {StrokeRun{0, 0, size}});
      }
    }
    EXPECT_EQ(found, round == 0 ? 0 : kFigures) << "round " << round;
  }
  // The width is part of the key, and the runs are the ones kept with the figure.
  EXPECT_EQ(cache.find(Corner(1000), 8), nullptr);
  const std::vector<StrokeRun>* runs = cache.find(Corner(1005), 7);
  ASSERT_NE(runs, nullptr);
  ASSERT_EQ(runs->size(), 1u);
  EXPECT_EQ((*runs)[0].x1, 1005);
}

// A full cache gives up the figure used longest ago; a figure found again counts as new.
TEST(StrokeCache, AFullCacheGivesUpTheFigureUsedLongestAgo) {
  StrokeCache& cache = StrokeCache::local();
  constexpr int kMany = 400;  // more than the cache keeps
  for (int i = 0; i < kMany; ++i) {
    cache.add(Corner(5000 + i), 3, {StrokeRun{0, 0, i}});
    if (i > 0) {
      ASSERT_NE(cache.find(Corner(5000), 3), nullptr) << "the first, used at every step, stays";
    }
  }
  EXPECT_EQ(cache.find(Corner(5001), 3), nullptr);
  const std::vector<StrokeRun>* last = cache.find(Corner(5000 + kMany - 1), 3);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ((*last)[0].x1, kMany - 1);
}

}  // namespace
}  // namespace kx::test
