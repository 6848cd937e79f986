// Bitmaps know which of their pixels still have the colour of their last whole fill; fills and
// blits leave those alone where they would not change them. Every pixel must come out as if each
// had been combined.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/gdi_leak_check.h"
#include "support/marker_canvas.h"

namespace kx::test {
namespace {

class PlainBlitTest : public GdiLeakCheck {};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kInk = RGB(0x0F, 0xF0, 0x3C);
constexpr COLORREF kStripeA = RGB(0x35, 0x9A, 0xC6);
constexpr COLORREF kStripeB = RGB(0xE1, 0x27, 0x58);

// A made bitmap in its own memory DC, filled whole with `plain`, with one rectangle of ink.
class InkedBitmap {
 public:
  InkedBitmap(HDC like, int width, int height, COLORREF plain, const RECT& ink) {
    m_dc = CreateCompatibleDC(like);
    m_bitmap = CreateCompatibleBitmap(like, width, height);
    m_old = SelectObject(m_dc, m_bitmap);
    FillSolid(m_dc, RECT{0, 0, width, height}, plain);
    FillSolid(m_dc, ink, kInk);
  }
  ~InkedBitmap() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
  }
  HDC dc() const { return m_dc; }

 private:
  HDC m_dc;
  HBITMAP m_bitmap;
  HGDIOBJ m_old;
};

// Vertical stripes of two colours, one pixel wide.
void Stripe(MarkerCanvas& canvas) {
  for (int x = 0; x < canvas.width(); ++x)
    FillSolid(canvas.dc(), RECT{x, 0, x + 1, canvas.height()}, x % 2 ? kStripeA : kStripeB);
}

// A blit's raster operation, the source colour with which it changes nothing, and what it does to
// one pixel.
struct RasterOp {
  DWORD rop;
  COLORREF plain;
  std::function<COLORREF(COLORREF, COLORREF)> combine;
};
const RasterOp kCombining[] = {
    {SRCAND, kWhite, [](COLORREF d, COLORREF s) { return d & s; }},
    {SRCPAINT, kBlack, [](COLORREF d, COLORREF s) { return d | s; }},
    {SRCINVERT, kBlack, [](COLORREF d, COLORREF s) { return d ^ s; }},
};

// Each operation with the source colour that changes nothing, blitted with the source and the
// destination rectangles at different places, so the ink's edges land between other pixels.
TEST_F(PlainBlitTest, CombiningWithAPlainSourceChangesOnlyUnderItsInk) {
  std::vector<RasterOp> cases(std::begin(kCombining), std::end(kCombining));
  cases.push_back({SRCCOPY, kWhite, [](COLORREF, COLORREF s) { return s; }});
  const RECT ink{5, 3, 9, 7};  // in the source
  const int dx = 6, dy = 4, sx = 2, sy = 1, w = 11, h = 8;
  for (const RasterOp& c : cases) {
    MarkerCanvas canvas(20, 14);
    Stripe(canvas);
    InkedBitmap source(canvas.dc(), 16, 10, c.plain, ink);
    ASSERT_TRUE(BitBlt(canvas.dc(), dx, dy, w, h, source.dc(), sx, sy, c.rop));
    for (int y = 0; y < 14; ++y) {
      for (int x = 0; x < 20; ++x) {
        const COLORREF before = x % 2 ? kStripeA : kStripeB;
        const int fromX = x - dx + sx, fromY = y - dy + sy;
        const bool inBlit = x >= dx && x < dx + w && y >= dy && y < dy + h;
        const bool inked = fromX >= ink.left && fromX < ink.right && fromY >= ink.top && fromY < ink.bottom;
        const COLORREF want = inBlit ? c.combine(before, inked ? kInk : c.plain) : before;
        ASSERT_EQ(canvas.at(x, y), want)
            << "rop " << std::hex << c.rop << std::dec << " at " << x << "," << y;
      }
    }
  }
}

// Whatever drew on a bitmap, a fill of all of it in its earlier colour covers it again.
TEST_F(PlainBlitTest, AWholeFillCoversEverythingDrawnSince) {
  struct Case {
    const char* name;
    std::function<void(HDC)> draw;
  };
  const Case cases[] = {
      {"SetPixel", [](HDC dc) { SetPixel(dc, 13, 9, kInk); }},
      {"LineTo",
       [](HDC dc) {
         HPEN pen = CreatePen(PS_SOLID, 1, kInk);
         HGDIOBJ old = SelectObject(dc, pen);
         MoveToEx(dc, 2, 11, nullptr);
         LineTo(dc, 15, 3);
         DeleteObject(SelectObject(dc, old));
       }},
      {"wide Ellipse",
       [](HDC dc) {
         HPEN pen = CreatePen(PS_SOLID, 3, kInk);
         HGDIOBJ old = SelectObject(dc, pen);
         Ellipse(dc, 3, 2, 14, 11);
         DeleteObject(SelectObject(dc, old));
       }},
      {"FillRect part",
       [](HDC dc) {
         FillSolid(dc, RECT{15, 0, 16, 12}, kInk);
       }},
      {"PatBlt part", [](HDC dc) { PatBlt(dc, 0, 11, 16, 1, WHITENESS); }},
      {"BitBlt copy",
       [](HDC dc) {
         InkedBitmap other(dc, 4, 4, kWhite, RECT{1, 1, 2, 2});
         BitBlt(dc, 11, 7, 4, 4, other.dc(), 0, 0, SRCCOPY);
       }},
      {"SetDIBitsToDevice",
       [](HDC dc) {
         const BITMAPINFO info = Dib32(1, 1);
         const DWORD bits[1] = {0x00FF8040};
         SetDIBitsToDevice(dc, 1, 10, 1, 1, 0, 0, 0, 1, bits, &info, DIB_RGB_COLORS);
       }},
  };
  for (const Case& c : cases) {
    MarkerCanvas canvas(16, 12);
    InkedBitmap bitmap(canvas.dc(), 16, 12, kBlack, RECT{0, 0, 0, 0});
    c.draw(bitmap.dc());
    int drawn = 0;
    for (int y = 0; y < 12; ++y) {
      for (int x = 0; x < 16; ++x) drawn += GetPixel(bitmap.dc(), x, y) != kBlack;
    }
    EXPECT_GT(drawn, 0) << c.name << " drew nothing";
    FillSolid(bitmap.dc(), RECT{0, 0, 16, 12}, kBlack);
    for (int y = 0; y < 12; ++y) {
      for (int x = 0; x < 16; ++x)
        ASSERT_EQ(GetPixel(bitmap.dc(), x, y), kBlack) << c.name << " at " << x << "," << y;
    }
  }
}

// A bitmap made from bits starts with those, not with the plain black of a new one.
TEST_F(PlainBlitTest, ABitmapMadeFromBitsIsCoveredByAWholeFill) {
  const BITMAPINFO info = Dib32(2, 2);
  const DWORD bits[4] = {0x00102030, 0x00405060, 0x00708090, 0x00A0B0C0};
  MarkerCanvas canvas(2, 2);
  HBITMAP bitmap = CreateDIBitmap(canvas.dc(), &info.bmiHeader, CBM_INIT, bits, &info, DIB_RGB_COLORS);
  HDC dc = CreateCompatibleDC(canvas.dc());
  HGDIOBJ old = SelectObject(dc, bitmap);
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0x40, 0x50, 0x60));
  FillSolid(dc, RECT{0, 0, 2, 2}, kBlack);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 2; ++x) EXPECT_EQ(GetPixel(dc, x, y), kBlack) << x << "," << y;
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

// A layer blitted into every frame is combined through the runs of its ink once it is used a
// second time unchanged: long runs of one colour, pixels of two colours side by side, plain gaps
// short and long, and parts of the source left out of the blit must all come out as if every
// pixel had been combined, and a change to the source must show in the very next blit.
TEST_F(PlainBlitTest, ASourceBlittedAgainAndAgainIsCombinedAsItIsNow) {
  constexpr int kW = 120, kH = 9;
  // The settling colour of each operation fills a long run; the others make short ones.
  auto drawInk = [](HDC dc, COLORREF settles) {
    FillSolid(dc, RECT{3, 1, 100, 2}, settles);  // one long run of one colour
    FillSolid(dc, RECT{2, 3, 5, 4}, kInk);       // short runs of two colours side by side,
    FillSolid(dc, RECT{5, 3, 7, 4}, kStripeA);   // then a gap of 10 plain pixels,
    FillSolid(dc, RECT{17, 3, 19, 4}, kInk);     // then one of 40
    FillSolid(dc, RECT{59, 3, 60, 4}, settles);
    FillSolid(dc, RECT{0, 5, 70, 6}, kStripeB);  // a long run with short ones after it
    FillSolid(dc, RECT{70, 5, 72, 6}, kInk);
    FillSolid(dc, RECT{20, 7, 22, 8}, kInk);  // a short run three pixels before a long one
    FillSolid(dc, RECT{25, 7, 95, 8}, settles);
    FillSolid(dc, RECT{110, 2, 120, 8}, settles);  // runs at the right edge, in rows of their own
  };
  struct Blit {
    int dx, dy, sx, sy, w, h;
  };
  // The whole source, then part of it: columns and rows cut through runs on both sides.
  const Blit blits[] = {{0, 0, 0, 0, kW, kH}, {7, 2, 4, 1, 110, 5}};
  for (const RasterOp& c : kCombining) {
    const COLORREF settles = c.rop == SRCAND ? kBlack : kWhite;
    const MarkerCanvas like(1, 1);
    InkedBitmap source(like.dc(), kW, kH, c.plain, RECT{0, 0, 0, 0});
    drawInk(source.dc(), c.rop == SRCINVERT ? kStripeA : settles);
    for (int round = 0; round < 6; ++round) {
      if (round == 4) {  // the source changes: the runs found before no longer hold
        FillSolid(source.dc(), RECT{20, 1, 30, 2}, kStripeB);
        SetPixel(source.dc(), 115, 4, c.plain);
      }
      const Blit& b = blits[round % 2];
      MarkerCanvas canvas(kW + 8, kH + 2);
      Stripe(canvas);
      ASSERT_TRUE(BitBlt(canvas.dc(), b.dx, b.dy, b.w, b.h, source.dc(), b.sx, b.sy, c.rop));
      for (int y = 0; y < kH + 2; ++y) {
        for (int x = 0; x < kW + 8; ++x) {
          const COLORREF before = x % 2 ? kStripeA : kStripeB;
          const bool inBlit = x >= b.dx && x < b.dx + b.w && y >= b.dy && y < b.dy + b.h;
          const COLORREF want =
              inBlit ? c.combine(before, GetPixel(source.dc(), x - b.dx + b.sx, y - b.dy + b.sy)) : before;
          ASSERT_EQ(canvas.at(x, y), want)
              << "rop " << std::hex << c.rop << std::dec << " round " << round << " at " << x << "," << y;
        }
      }
    }
  }
}

// ANDed into a bitmap plain in black, a mask changes only the stretches the bitmap has ink in
// (tiles of 64 pixels). The mask is blitted 3 pixels to the right and cut short on the right, its
// runs far enough apart to stay runs of their own: one crossing a tile's left edge, one on a tile's
// last pixel, a long black one, one crossing the blit's right edge and one its left edge.
TEST_F(PlainBlitTest, AMaskAndedIntoBlackChangesItsInkAsEveryPixelWould) {
  constexpr int kW = 200, kH = 6;
  const MarkerCanvas like(1, 1);
  InkedBitmap mask(like.dc(), kW, kH, kWhite, RECT{0, 0, 0, 0});
  const struct {
    RECT run;
    COLORREF colour;
  } runs[] = {{{57, 0, 63, 1}, kInk},    {{124, 0, 125, 1}, kInk},     {{150, 0, 152, 1}, kStripeA},
              {{70, 1, 100, 2}, kBlack}, {{120, 1, 123, 2}, kStripeA}, {{189, 3, 194, 4}, kInk},
              {{0, 4, 4, 5}, kInk}};
  for (const auto& r : runs) FillSolid(mask.dc(), r.run, r.colour);
  InkedBitmap bitmap(like.dc(), kW, kH, kBlack, RECT{0, 0, 0, 0});
  SetPixel(bitmap.dc(), 64, 1, kStripeB);
  SetPixel(bitmap.dc(), 127, 1, kStripeB);
  FillSolid(bitmap.dc(), RECT{60, 2, 140, 3}, kStripeB);
  FillSolid(bitmap.dc(), RECT{188, 4, 200, 5}, kStripeB);
  FillSolid(bitmap.dc(), RECT{0, 5, 8, 6}, kStripeB);
  std::vector<COLORREF> before(kW * kH);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) before[y * kW + x] = GetPixel(bitmap.dc(), x, y);
  }
  const int dx = 5, dy = 1, sx = 2, sy = 0, w = 190, h = 5;
  // The mask's runs are found when it is used a second time unchanged.
  InkedBitmap scratch(like.dc(), kW, kH, kBlack, RECT{0, 0, 0, 0});
  ASSERT_TRUE(BitBlt(scratch.dc(), dx, dy, w, h, mask.dc(), sx, sy, SRCAND));
  ASSERT_TRUE(BitBlt(bitmap.dc(), dx, dy, w, h, mask.dc(), sx, sy, SRCAND));
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const bool inBlit = x >= dx && x < dx + w && y >= dy && y < dy + h;
      const COLORREF want =
          inBlit ? before[y * kW + x] & GetPixel(mask.dc(), x - dx + sx, y - dy + sy) : before[y * kW + x];
      ASSERT_EQ(GetPixel(bitmap.dc(), x, y), want) << "at " << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace kx::test
