#include <windows.h>

#include <gtest/gtest.h>

#include "support/gdi_leak_check.h"
#include "support/marker_canvas.h"

namespace kx::test {
namespace {

class DrawTextTest : public GdiLeakCheck {};

// DT_CALCRECT keeps left and top, and measures lines x tmHeight (16 for the default font).
TEST_F(DrawTextTest, CalcRectMeasuresLines) {
  struct Case {
    const char* text;
    UINT format;
    int lines;
  };
  const Case cases[] = {
      {"ONE\r\nTWO", 0, 2},
      {"ONE\nTWO\rTHREE", 0, 3},
      {"ONE\r\nTWO", DT_SINGLELINE, 1},
      {"ONE TWO THREE FOUR", DT_WORDBREAK, 4},
      {"X\r\n", 0, 2},
  };
  HDC dc = CreateCompatibleDC(nullptr);
  for (const Case& c : cases) {
    SIZE word{};
    GetTextExtentPoint32A(dc, "THREE", 5, &word);
    RECT rc{10, 20, 10 + word.cx, 20};
    const int height = DrawTextA(dc, c.text, -1, &rc, c.format | DT_CALCRECT);
    EXPECT_EQ(height, 16 * c.lines) << c.text;
    EXPECT_EQ(rc.top, 20);
    EXPECT_EQ(rc.left, 10);
    EXPECT_EQ(rc.bottom, 20 + 16 * c.lines) << c.text;
    EXPECT_GT(rc.right, 10);
  }
  RECT rc{1, 2, 3, 4};
  EXPECT_EQ(DrawTextA(dc, "", -1, &rc, DT_CALCRECT), 0);
  EXPECT_EQ(rc.right, 3);
  EXPECT_EQ(rc.bottom, 4);
  EXPECT_EQ(DrawTextA(dc, nullptr, -1, &rc, 0), 0);
  EXPECT_EQ(DrawTextA(dc, "x", 1, nullptr, 0), 0);
  DeleteDC(dc);
}

TEST_F(DrawTextTest, PrefixesAreRemovedFromTheMeasure) {
  HDC dc = CreateCompatibleDC(nullptr);
  RECT plain{0, 0, 0, 0}, prefixed{0, 0, 0, 0}, kept{0, 0, 0, 0};
  DrawTextA(dc, "Ok", -1, &plain, DT_CALCRECT);
  DrawTextA(dc, "&Ok", -1, &prefixed, DT_CALCRECT);
  DrawTextA(dc, "&Ok", -1, &kept, DT_CALCRECT | DT_NOPREFIX);
  EXPECT_EQ(prefixed.right, plain.right);
  EXPECT_GT(kept.right, plain.right);
  DeleteDC(dc);
}

// The line's box goes left, centred or right in the rectangle, and nothing leaves the rectangle.
TEST_F(DrawTextTest, AlignmentAndClipping) {
  struct Case {
    UINT format;
    int boxLeft;  // where the background box of "MM" starts, relative to the rectangle
  };
  HDC probe = CreateCompatibleDC(nullptr);
  SIZE mm{};
  GetTextExtentPoint32A(probe, "MM", 2, &mm);
  DeleteDC(probe);
  const Case cases[] = {{DT_LEFT, 0}, {DT_CENTER, (40 - mm.cx) / 2}, {DT_RIGHT, 40 - mm.cx}};
  for (const Case& c : cases) {
    MarkerCanvas canvas(60, 30);
    SetBkColor(canvas.dc(), kBrush);
    SetTextColor(canvas.dc(), kPen);
    RECT rc{10, 5, 50, 15};  // shorter than a line: the text is clipped at y = 15
    EXPECT_EQ(DrawTextA(canvas.dc(), "MM", -1, &rc, c.format | DT_SINGLELINE), 16);
    EXPECT_EQ(canvas.at(10 + c.boxLeft, 5), kBrush) << c.format;
    EXPECT_EQ(canvas.at(10 + c.boxLeft - 1, 5), kMarker) << c.format;
    for (int x = 0; x < 60; ++x) EXPECT_EQ(canvas.at(x, 15), kMarker) << x;
  }
}

TEST_F(DrawTextTest, VerticalCentreOfASingleLine) {
  MarkerCanvas canvas(40, 40);
  SetBkColor(canvas.dc(), kBrush);
  RECT rc{0, 0, 40, 36};
  DrawTextA(canvas.dc(), "I", -1, &rc, DT_SINGLELINE | DT_VCENTER);
  EXPECT_EQ(canvas.at(0, 9), kMarker);
  EXPECT_EQ(canvas.at(0, 10), kBrush);  // (36 - 16) / 2
  EXPECT_EQ(canvas.at(0, 25), kBrush);
  EXPECT_EQ(canvas.at(0, 26), kMarker);
}

}  // namespace
}  // namespace kx::test
