// An off-screen canvas for pixel tests of shapes: a 32-bit bitmap selected into a memory context
// and first filled with a marker colour, so stray writes show up. The GDI objects alive before the
// test must be the only ones alive after it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "support/gdi_leak_check.h"

class GfxCanvasTest : public kx::test::GdiLeakCheck {
 protected:
  static constexpr COLORREF kMarker = RGB(1, 2, 3);
  static constexpr int kWidth = 1024;
  static constexpr int kHeight = 768;

  void SetUp() override {
    kx::test::GdiLeakCheck::SetUp();
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = kWidth;
    header.biHeight = kHeight;
    header.biPlanes = 1;
    header.biBitCount = 32;
    hdc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBitmap(nullptr, &header, 0, nullptr, nullptr, DIB_RGB_COLORS);
    ASSERT_NE(hdc, nullptr);
    ASSERT_NE(bitmap, nullptr);
    oldBitmap = SelectObject(hdc, bitmap);
    Clear();
  }

  void Clear() {
    HBRUSH marker = CreateSolidBrush(kMarker);
    const RECT all{0, 0, kWidth, kHeight};
    FillRect(hdc, &all, marker);
    DeleteObject(marker);
  }

  void TearDown() override {
    SelectObject(hdc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(hdc);
    kx::test::GdiLeakCheck::TearDown();
  }

  COLORREF At(int x, int y) const { return GetPixel(hdc, x, y); }

  HDC hdc = nullptr;

 private:
  HBITMAP bitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
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
