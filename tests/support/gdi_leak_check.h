// Fails a test that leaves GDI objects (DCs, pens, brushes, fonts, bitmaps, ...) alive.
//
//   class MyPanelTest : public kx::test::GdiLeakCheck {};   // checks after every test
//   auto before = kx::test::countGdiObjects(); ...; kx::test::expectNoGdiLeaks(before);
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>

#include "kernel/handle_table.h"

namespace kx::test {

struct GdiCounts {
  std::array<size_t, static_cast<size_t>(HandleKind::Count)> byKind{};
  size_t total() const;
  // "2 brush, 1 bitmap" for the kinds that grew since `before`; empty when none did.
  std::string growthSince(const GdiCounts& before) const;
};

// Live non-stock GDI objects now, by kind.
GdiCounts countGdiObjects();

// Adds a test failure naming every kind of GDI object that has more live objects than `before`.
void expectNoGdiLeaks(const GdiCounts& before);

// A fixture base that records the live GDI objects before each test and checks them after.
class GdiLeakCheck : public ::testing::Test {
 protected:
  void SetUp() override { m_before = countGdiObjects(); }
  void TearDown() override { expectNoGdiLeaks(m_before); }

 private:
  GdiCounts m_before;
};

}  // namespace kx::test
