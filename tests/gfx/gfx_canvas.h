// The marker canvas (support/marker_canvas.h) as a fixture for pixel tests of shapes. The GDI
// objects alive before the test must be the only ones alive after it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "support/gdi_leak_check.h"
#include "support/marker_canvas.h"

class GfxCanvasTest : public kx::test::GdiLeakCheck {
 protected:
  static constexpr COLORREF kMarker = kx::test::kMarker;
  static constexpr int kWidth = 1024;
  static constexpr int kHeight = 768;

  void SetUp() override {
    kx::test::GdiLeakCheck::SetUp();
    canvas.emplace(kWidth, kHeight);
    hdc = canvas->dc();
    ASSERT_NE(hdc, nullptr);
    ASSERT_NE(canvas->bitmap(), nullptr);
  }

  void Clear() { canvas->clear(kMarker); }

  void TearDown() override {
    canvas.reset();
    kx::test::GdiLeakCheck::TearDown();
  }

  COLORREF At(int x, int y) const { return canvas->at(x, y); }

  HDC hdc = nullptr;

 private:
  std::optional<kx::test::MarkerCanvas> canvas;
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
