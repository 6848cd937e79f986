#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "support/gdi_leak_check.h"
#include "support/marker_canvas.h"

namespace kx::test {
namespace {

class BlitTest : public GdiLeakCheck {};

// FillRect includes left and top, excludes right and bottom, and ignores the selected pen.
TEST_F(BlitTest, FillRectCoversTheHalfOpenRectangle) {
  MarkerCanvas canvas(6, 4);
  HBRUSH brush = CreateSolidBrush(kBrush);
  const RECT rects[] = {{1, 1, 4, 3}, {5, 5, 2, 2}, {-10, -10, -5, -5}};
  for (const RECT& r : rects) EXPECT_EQ(FillRect(canvas.dc(), &r, brush), 1);
  DeleteObject(brush);
  EXPECT_EQ(canvas.picture(6, 4), (std::vector<std::string>{"......", ".BBB..", ".BBB..", "......"}));
}

// Hatch lines sit on row 3 / column 4 of each 8 x 8 cell, moved by the brush origin; the gaps take
// the background colour when opaque and stay untouched when transparent.
TEST_F(BlitTest, HatchPatternsFollowTheBrushOrigin) {
  struct Case {
    int hatch, orgX, orgY, mode;
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {HS_HORIZONTAL, 0, 0, OPAQUE, {{0, 3, kPen}, {9, 11, kPen}, {0, 2, kBrush}, {5, 4, kBrush}}},
      {HS_HORIZONTAL, 0, 2, OPAQUE, {{0, 5, kPen}, {9, 13, kPen}, {0, 3, kBrush}}},
      {HS_VERTICAL, 0, 0, OPAQUE, {{4, 0, kPen}, {12, 9, kPen}, {3, 0, kBrush}}},
      {HS_VERTICAL, 3, 0, OPAQUE, {{7, 0, kPen}, {15, 9, kPen}, {4, 0, kBrush}}},
      {HS_VERTICAL, 0, 0, TRANSPARENT, {{4, 5, kPen}, {3, 5, kMarker}}},
      {HS_CROSS, 0, 0, OPAQUE, {{4, 0, kPen}, {0, 3, kPen}, {1, 1, kBrush}}},
  };
  for (const Case& c : cases) {
    MarkerCanvas canvas(16, 16);
    HBRUSH hatch = CreateHatchBrush(c.hatch, kPen);
    SetBkColor(canvas.dc(), kBrush);
    SetBkMode(canvas.dc(), c.mode);
    SetBrushOrgEx(canvas.dc(), c.orgX, c.orgY, nullptr);
    const RECT all{0, 0, 16, 16};
    FillRect(canvas.dc(), &all, hatch);
    DeleteObject(hatch);
    for (const Probe& p : c.probes) {
      EXPECT_EQ(canvas.at(p.x, p.y), p.expected)
          << "hatch " << c.hatch << " origin " << c.orgX << "," << c.orgY << " at " << p.x << "," << p.y;
    }
  }
}

TEST_F(BlitTest, FrameRectDrawsTheOneBrushBorder) {
  MarkerCanvas canvas(6, 5);
  HBRUSH brush = CreateSolidBrush(kBrush);
  const RECT r{0, 0, 5, 4};
  EXPECT_EQ(FrameRect(canvas.dc(), &r, brush), 1);
  DeleteObject(brush);
  EXPECT_EQ(canvas.picture(6, 5),
            (std::vector<std::string>{"BBBBB.", "B...B.", "B...B.", "BBBBB.", "......"}));
}

// The sprite idiom: a mask ANDed in clears the sprite's shape, the sprite ORed in paints it.
TEST_F(BlitTest, SrcAndThenSrcPaintMasksASprite) {
  MarkerCanvas screen(4, 1), mask(4, 1), sprite(4, 1);
  screen.clear(RGB(0x80, 0x40, 0x20));
  mask.clear(RGB(255, 255, 255));
  sprite.clear(RGB(0, 0, 0));
  SetPixel(mask.dc(), 1, 0, RGB(0, 0, 0));
  SetPixel(mask.dc(), 2, 0, RGB(0, 0, 0));
  SetPixel(sprite.dc(), 1, 0, RGB(0, 255, 0));
  SetPixel(sprite.dc(), 2, 0, RGB(0x0F, 0x0F, 0x0F));
  EXPECT_TRUE(BitBlt(screen.dc(), 0, 0, 4, 1, mask.dc(), 0, 0, SRCAND));
  EXPECT_TRUE(BitBlt(screen.dc(), 0, 0, 4, 1, sprite.dc(), 0, 0, SRCPAINT));
  const Probe probes[] = {{0, 0, RGB(0x80, 0x40, 0x20)},
                          {1, 0, RGB(0, 255, 0)},
                          {2, 0, RGB(0x0F, 0x0F, 0x0F)},
                          {3, 0, RGB(0x80, 0x40, 0x20)}};
  for (const Probe& p : probes) EXPECT_EQ(screen.at(p.x, p.y), p.expected) << p.x;
  // SRCAND and SRCPAINT combine bit by bit.
  MarkerCanvas a(1, 1), b(1, 1);
  a.clear(RGB(0x0F, 0xF0, 0x55));
  b.clear(RGB(0x3C, 0x3C, 0xAA));
  BitBlt(a.dc(), 0, 0, 1, 1, b.dc(), 0, 0, SRCPAINT);
  EXPECT_EQ(a.at(0, 0), RGB(0x3F, 0xFC, 0xFF));
  BitBlt(a.dc(), 0, 0, 1, 1, b.dc(), 0, 0, SRCAND);
  EXPECT_EQ(a.at(0, 0), RGB(0x3C, 0x3C, 0xAA));
}

TEST_F(BlitTest, BitBltClipsToBothDcs) {
  MarkerCanvas target(6, 3), source(3, 3);
  source.clear(kBrush);
  EXPECT_TRUE(BitBlt(target.dc(), 4, 1, 10, 10, source.dc(), 1, 1, SRCCOPY));
  EXPECT_EQ(target.picture(6, 3), (std::vector<std::string>{"......", "....BB", "....BB"}));
  EXPECT_TRUE(BitBlt(target.dc(), INT_MAX - 1, INT_MIN, INT_MAX, INT_MAX, source.dc(), INT_MIN, 0, SRCCOPY));
  EXPECT_TRUE(BitBlt(target.dc(), 0, 0, -5, 3, source.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(target.at(0, 0), kMarker);
  EXPECT_FALSE(BitBlt(target.dc(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, 0x00123456));
}

TEST_F(BlitTest, BitBltWithinOneDcHandlesOverlap) {
  MarkerCanvas canvas(5, 1);
  const COLORREF colors[] = {RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(4, 0, 0), RGB(5, 0, 0)};
  for (int x = 0; x < 5; ++x) SetPixel(canvas.dc(), x, 0, colors[x]);
  BitBlt(canvas.dc(), 1, 0, 4, 1, canvas.dc(), 0, 0, SRCCOPY);
  for (int x = 1; x < 5; ++x) EXPECT_EQ(canvas.at(x, 0), colors[x - 1]);
}

// Runs of every length and offset combine exactly their own pixels, long or short.
TEST_F(BlitTest, CombinedRunsTouchOnlyTheirPixels) {
  struct Case {
    DWORD rop;
    COLORREF expected;
  };
  const Case cases[] = {
      {SRCCOPY, RGB(0x3C, 0x3C, 0xAA)}, {SRCAND, RGB(0x0C, 0x30, 0x00)}, {SRCPAINT, RGB(0x3F, 0xFC, 0xFF)}};
  for (const Case& c : cases) {
    for (int start = 0; start < 5; ++start) {
      for (int length = 1; length < 30; length += 3) {
        MarkerCanvas target(40, 1), source(40, 1);
        target.clear(RGB(0x0F, 0xF0, 0x55));
        source.clear(RGB(0x3C, 0x3C, 0xAA));
        BitBlt(target.dc(), start, 0, length, 1, source.dc(), 0, 0, c.rop);
        for (int x = 0; x < 40; ++x) {
          const bool inside = x >= start && x < start + length;
          EXPECT_EQ(target.at(x, 0), inside ? c.expected : RGB(0x0F, 0xF0, 0x55))
              << start << "+" << length << " at " << x;
        }
      }
    }
  }
}

TEST_F(BlitTest, LargeFillsReachEveryEdge) {
  MarkerCanvas canvas(1024, 1025);
  HBRUSH brush = CreateSolidBrush(kBrush);
  const RECT all{0, 0, 1024, 1025};
  FillRect(canvas.dc(), &all, brush);
  DeleteObject(brush);
  const Probe probes[] = {
      {0, 0, kBrush}, {1023, 0, kBrush}, {0, 1024, kBrush}, {1023, 1024, kBrush}, {517, 333, kBrush}};
  for (const Probe& p : probes) EXPECT_EQ(canvas.at(p.x, p.y), p.expected) << p.x << "," << p.y;
}

TEST_F(BlitTest, PatBltRops) {
  MarkerCanvas canvas(3, 1);
  EXPECT_TRUE(PatBlt(canvas.dc(), 0, 0, 1, 1, WHITENESS));
  EXPECT_TRUE(PatBlt(canvas.dc(), 1, 0, 1, 1, BLACKNESS));
  EXPECT_TRUE(PatBlt(canvas.dc(), 2, 0, 1, 1, PATCOPY));  // the default white brush
  EXPECT_EQ(canvas.at(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(canvas.at(1, 0), RGB(0, 0, 0));
  EXPECT_EQ(canvas.at(2, 0), RGB(255, 255, 255));
}

// The conduit idiom: moving the origin by one pixel moves every hatch line by one pixel, and an
// unrealized brush used again follows the new origin. Each case gives one row of the 8 x 8 cell
// ('P' line, 'B' gap in the background colour).
TEST_F(BlitTest, HatchLinesShiftWithTheOriginAfterUnrealize) {
  struct Case {
    int hatch, orgX, orgY, y;
    const char* row;
  };
  const Case cases[] = {
      {HS_VERTICAL, 0, 0, 0, "BBBBPBBB"},   {HS_VERTICAL, 1, 0, 0, "BBBBBPBB"},
      {HS_VERTICAL, 5, 5, 7, "BPBBBBBB"},   {HS_VERTICAL, 6, 1, 2, "BBPBBBBB"},
      {HS_HORIZONTAL, 5, 5, 0, "PPPPPPPP"},  // row (3 + 5) mod 8
      {HS_HORIZONTAL, 5, 5, 3, "BBBBBBBB"}, {HS_HORIZONTAL, 5, 2, 5, "PPPPPPPP"},
  };
  HBRUSH vertical = CreateHatchBrush(HS_VERTICAL, kPen);
  HBRUSH horizontal = CreateHatchBrush(HS_HORIZONTAL, kPen);
  for (const Case& c : cases) {
    MarkerCanvas canvas(8, 8);
    SetBkColor(canvas.dc(), kBrush);
    HBRUSH brush = c.hatch == HS_VERTICAL ? vertical : horizontal;
    EXPECT_TRUE(UnrealizeObject(brush));
    SetBrushOrgEx(canvas.dc(), c.orgX, c.orgY, nullptr);
    const RECT all{0, 0, 8, 8};
    FillRect(canvas.dc(), &all, brush);
    EXPECT_EQ(canvas.picture(8, 8)[size_t(c.y)], c.row)
        << "hatch " << c.hatch << " origin " << c.orgX << "," << c.orgY << " row " << c.y;
  }
  DeleteObject(vertical);
  DeleteObject(horizontal);
}

}  // namespace
}  // namespace kx::test
