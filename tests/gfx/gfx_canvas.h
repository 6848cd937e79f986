// An off-screen canvas for pixel tests of shapes: a 32-bit bitmap selected into a memory context
// and first filled with a marker colour, so stray writes show up. The GDI objects alive before the
// test must be the only ones alive after it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "support/gdi_leak_check.h"
#include "support/memory_frame.h"

class GfxCanvasTest : public kx::test::GdiLeakCheck {
 protected:
  static constexpr COLORREF kMarker = RGB(1, 2, 3);
  static constexpr int kWidth = 1024;
  static constexpr int kHeight = 768;

  void SetUp() override {
    kx::test::GdiLeakCheck::SetUp();
    frame.emplace(kWidth, kHeight);
    hdc = frame->dc();
    ASSERT_NE(hdc, nullptr);
    ASSERT_NE(frame->bitmap(), nullptr);
    Clear();
  }

  void Clear() {
    HBRUSH marker = CreateSolidBrush(kMarker);
    const RECT all{0, 0, kWidth, kHeight};
    FillRect(hdc, &all, marker);
    DeleteObject(marker);
  }

  void TearDown() override {
    frame.reset();
    kx::test::GdiLeakCheck::TearDown();
  }

  COLORREF At(int x, int y) const { return GetPixel(hdc, x, y); }

  HDC hdc = nullptr;

 private:
  std::optional<kx::test::MemoryFrame> frame;
};

struct Probe {
  int x, y;
  bool painted;  // in the shape's colour, or else still the marker
};

#define EXPECT_PROBES(colour, probes)                                   \
  for (const Probe& probe : probes) {                                   \
    EXPECT_EQ(At(probe.x, probe.y), probe.painted ? (colour) : kMarker) \
        << "at (" << probe.x << ", " << probe.y << ")";                 \
  }
