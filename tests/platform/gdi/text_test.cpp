#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "support/gdi_leak_check.h"
#include "support/marker_canvas.h"

namespace kx::test {
namespace {

class TextTest : public GdiLeakCheck {};

constexpr const char* kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Windows' System font at 96 DPI, which a DC starts with.
TEST_F(TextTest, DefaultFontHasSystemMetrics) {
  HDC dc = CreateCompatibleDC(nullptr);
  TEXTMETRICA tm{};
  ASSERT_TRUE(GetTextMetricsA(dc, &tm));
  EXPECT_EQ(tm.tmHeight, 16);
  EXPECT_EQ(tm.tmAscent, 13);
  EXPECT_EQ(tm.tmDescent, 3);
  EXPECT_EQ(tm.tmInternalLeading, 3);
  EXPECT_EQ(tm.tmExternalLeading, 0);
  EXPECT_EQ(tm.tmAveCharWidth, 7);
  EXPECT_EQ(tm.tmMaxCharWidth, 14);
  EXPECT_EQ(tm.tmWeight, 700);
  SIZE size{};
  ASSERT_TRUE(GetTextExtentPoint32A(dc, kLetters, 52, &size));
  EXPECT_EQ(size.cy, 16);
  EXPECT_NEAR(size.cx / 52.0, 7, 1);
  DeleteDC(dc);
}

// Negative heights ask for the character height, positive ones for the cell height.
TEST_F(TextTest, HeightSignRules) {
  struct Case {
    const char* face;
    int height;
    LONG cell, charHeight;
  };
  const Case cases[] = {
      {"MS Sans Serif", -11, 13, 11},
      {"Arial", -20, -1, 20},
      {"Arial", 30, 30, -1},
      {"No Such Face", -15, -1, 15},
  };
  HDC dc = CreateCompatibleDC(nullptr);
  for (const Case& c : cases) {
    HFONT font = CreateFontA(c.height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, c.face);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    if (c.cell > 0) {
      EXPECT_EQ(tm.tmHeight, c.cell) << c.face << " " << c.height;
    }
    if (c.charHeight > 0) {
      EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, c.charHeight) << c.face << " " << c.height;
    }
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    SelectObject(dc, old);
    DeleteObject(font);
  }
  DeleteDC(dc);
}

TEST_F(TextTest, MsSansSerifHasItsBitmapMetrics) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  EXPECT_EQ(tm.tmHeight, 13);
  EXPECT_EQ(tm.tmAscent, 11);
  EXPECT_EQ(tm.tmDescent, 2);
  EXPECT_EQ(tm.tmInternalLeading, 2);
  EXPECT_EQ(tm.tmAveCharWidth, 5);
  EXPECT_EQ(tm.tmMaxCharWidth, 11);
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
}

// Rightmost column holding the text colour, or -1.
int lastInkColumn(const MarkerCanvas& canvas, COLORREF ink) {
  for (int x = canvas.width() - 1; x >= 0; --x) {
    for (int y = 0; y < canvas.height(); ++y) {
      if (canvas.at(x, y) == ink) return x;
    }
  }
  return -1;
}

// Width -11 narrows Arial so that the 52 letters take about 52 x 11 pixels on screen.
TEST_F(TextTest, ArialWidthSetsTheAverageCharacterWidth) {
  MarkerCanvas canvas(900, 70);
  HFONT font = CreateFontA(-51, -11, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  HGDIOBJ old = SelectObject(canvas.dc(), font);
  TEXTMETRICA tm{};
  GetTextMetricsA(canvas.dc(), &tm);
  EXPECT_EQ(tm.tmAveCharWidth, 11);
  EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 51);
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextColor(canvas.dc(), kPen);
  ASSERT_TRUE(TextOutA(canvas.dc(), 0, 0, kLetters, 52));
  SelectObject(canvas.dc(), old);
  DeleteObject(font);
  const int inkWidth = lastInkColumn(canvas, kPen) + 1;
  EXPECT_NEAR(inkWidth / 52.0, 11, 1);
}

// OPAQUE fills the text box (advances x tmHeight) with the background; the glyphs use the text colour.
TEST_F(TextTest, TextOutPaintsAnOpaqueCell) {
  MarkerCanvas canvas(60, 24);
  SetTextColor(canvas.dc(), kPen);
  SetBkColor(canvas.dc(), kBrush);
  SIZE size{};
  GetTextExtentPoint32A(canvas.dc(), "Hi", 2, &size);
  ASSERT_TRUE(TextOutA(canvas.dc(), 2, 3, "Hi", 2));
  EXPECT_EQ(canvas.at(2 + size.cx - 1, 3), kBrush);
  EXPECT_EQ(canvas.at(2, 3 + 15), kBrush);
  EXPECT_EQ(canvas.at(2 + size.cx, 3), kMarker);
  EXPECT_EQ(canvas.at(2, 3 + 16), kMarker);
  EXPECT_EQ(canvas.at(1, 3), kMarker);
  int ink = 0;
  for (int y = 3; y < 19; ++y) {
    for (int x = 2; x < 2 + size.cx; ++x) ink += canvas.at(x, y) == kPen;
  }
  EXPECT_GT(ink, 10);
}

}  // namespace
}  // namespace kx::test
