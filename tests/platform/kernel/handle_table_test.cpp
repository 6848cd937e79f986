#include "kernel/handle_table.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

struct FakePen : HandleObject {
  static constexpr HandleKind kKind = HandleKind::Pen;
  FakePen() : HandleObject(kKind) {}
};

TEST(HandleTable, HandlesAreTypedAndNeverReused) {
  auto& table = HandleTable::instance();
  size_t before = table.liveCount(HandleKind::Pen);
  void* first = table.add(std::make_unique<FakePen>());
  EXPECT_NE(lookup<FakePen>(first), nullptr);
  EXPECT_EQ(table.find(first, HandleKind::Brush), nullptr);
  EXPECT_EQ(table.liveCount(HandleKind::Pen), before + 1);
  table.remove(first);
  void* second = table.add(std::make_unique<FakePen>());
  EXPECT_NE(first, second);
  EXPECT_EQ(lookup<FakePen>(first), nullptr);
  table.remove(second);
  EXPECT_EQ(table.liveCount(HandleKind::Pen), before);
}

}  // namespace
}  // namespace kx
