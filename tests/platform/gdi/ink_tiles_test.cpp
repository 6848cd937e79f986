// A bitmap keeps, row by row, the stretches of 64 pixels that were drawn on since its last whole
// fill; a whole fill, a copy from it, a blit ANDed into it while it is plain black and the next
// bitmap made from its memory leave the other stretches alone. Drawn on in every way the layer
// knows, across the stretches' edges, each must come out as if every pixel had been looked at.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "support/gdi_leak_check.h"
#include "support/marker_canvas.h"

namespace kx::test {
namespace {

// Four stretches across, the last one short; big enough that its memory is kept for the next one.
constexpr int kW = 200, kH = 40;
constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0x0F, 0xF0, 0x3C);

class InkTilesTest : public GdiLeakCheck {};

void WithPen(HDC dc, int width, HBRUSH brush, const std::function<void()>& draw) {
  HPEN pen = CreatePen(PS_SOLID, width, kInk);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  draw();
  SelectObject(dc, oldBrush);
  DeleteObject(SelectObject(dc, oldPen));
}

// A compatible bitmap of kW x kH in its own memory DC, filled whole with `plain` first.
class Drawn {
 public:
  Drawn(HDC like, COLORREF plain, const std::function<void(HDC)>& draw) {
    m_dc = CreateCompatibleDC(like);
    m_bitmap = CreateCompatibleBitmap(like, kW, kH);
    m_old = SelectObject(m_dc, m_bitmap);
    FillSolid(m_dc, RECT{0, 0, kW, kH}, plain);
    draw(m_dc);
  }
  ~Drawn() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
  }
  HDC dc() const { return m_dc; }
  std::vector<COLORREF> pixels() const {
    std::vector<COLORREF> all;
    for (int y = 0; y < kH; ++y) {
      for (int x = 0; x < kW; ++x) all.push_back(GetPixel(m_dc, x, y));
    }
    return all;
  }

 private:
  HDC m_dc;
  HBITMAP m_bitmap;
  HGDIOBJ m_old;
};

struct Drawing {
  const char* name;
  std::function<void(HDC)> draw;
};

const Drawing kDrawings[] = {
    {"SetPixel at the stretches' edges",
     [](HDC dc) {
       for (POINT p : {POINT{63, 5}, POINT{64, 6}, POINT{128, 7}, POINT{199, 39}})
         SetPixel(dc, p.x, p.y, kInk);
     }},
    {"thin lines: diagonal, steep, across",
     [](HDC dc) {
       WithPen(dc, 1, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), [dc] {
         MoveToEx(dc, 10, 2, nullptr);
         LineTo(dc, 190, 37);
         MoveToEx(dc, 127, 0, nullptr);
         LineTo(dc, 131, 39);
         MoveToEx(dc, 60, 20, nullptr);
         LineTo(dc, 140, 20);
       });
     }},
    {"a filled shape drawn three times, the last from what was kept",
     [](HDC dc) {
       HBRUSH brush = CreateSolidBrush(RGB(0x80, 0x10, 0x20));
       WithPen(dc, 1, brush, [dc] {
         for (int i = 0; i < 3; ++i) Ellipse(dc, 50, 5, 140, 35);
       });
       DeleteObject(brush);
     }},
    {"a wide ring, then the same ring elsewhere",
     [](HDC dc) {
       WithPen(dc, 3, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), [dc] {
         Ellipse(dc, 5, 5, 60, 30);
         Ellipse(dc, 120, 8, 175, 33);
       });
     }},
    {"a polygon",
     [](HDC dc) {
       const POINT star[] = {{100, 1}, {120, 38}, {70, 12}, {190, 14}, {62, 36}};
       WithPen(dc, 1, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)), [&] { Polygon(dc, star, 5); });
     }},
    {"text", [](HDC dc) { TextOutA(dc, 58, 10, "Kalyx", 5); }},
    {"PatBlt",
     [](HDC dc) {
       HBRUSH brush = CreateSolidBrush(kInk);
       HGDIOBJ old = SelectObject(dc, brush);
       PatBlt(dc, 62, 30, 4, 3, PATCOPY);
       DeleteObject(SelectObject(dc, old));
     }},
    {"a copy from another bitmap",
     [](HDC dc) {
       Drawn other(dc, kInk, [](HDC) {});
       BitBlt(dc, 60, 0, 10, 10, other.dc(), 0, 0, SRCCOPY);
     }},
    {"a layer XORed in twice, the second time through its runs",
     [](HDC dc) {
       Drawn layer(dc, kBlack, [](HDC layerDc) {
         FillSolid(layerDc, RECT{100, 10, 140, 12}, kInk);
         FillSolid(layerDc, RECT{63, 20, 65, 21}, RGB(0x40, 0x40, 0xF0));
       });
       BitBlt(dc, 0, 0, kW, kH, layer.dc(), 0, 0, SRCINVERT);
       BitBlt(dc, 3, 2, kW, kH, layer.dc(), 0, 0, SRCINVERT);
     }},
    {"SetDIBitsToDevice",
     [](HDC dc) {
       const BITMAPINFO info = Dib32(2, 1);
       const DWORD bits[2] = {0x00FF8040, 0x00123456};
       SetDIBitsToDevice(dc, 127, 33, 2, 1, 0, 0, 0, 1, bits, &info, DIB_RGB_COLORS);
     }},
};

// A mask layer on white, blitted with SRCAND: a black band that settles every pixel it covers,
// coloured runs long and short, and white that leaves the destination as it is.
void DrawMask(HDC dc) {
  FillSolid(dc, RECT{0, 15, kW, 25}, kBlack);
  FillSolid(dc, RECT{30, 3, 150, 4}, kInk);
  for (int x = 60; x < 70; x += 3) FillSolid(dc, RECT{x, 30, x + 2, 32}, RGB(0x3F, 0x7F, 0xBF));
}

TEST_F(InkTilesTest, EveryReaderSeesTheBitmapAsDrawn) {
  const MarkerCanvas like(1, 1);
  Drawn mask(like.dc(), kWhite, DrawMask);
  const std::vector<COLORREF> maskPixels = mask.pixels();
  {
    // The mask is combined through its runs from its second blit on.
    Drawn scratch(like.dc(), kBlack, [](HDC) {});
    BitBlt(scratch.dc(), 0, 0, kW, kH, mask.dc(), 0, 0, SRCAND);
  }
  for (COLORREF plain : {kBlack, kWhite}) {
    for (const Drawing& d : kDrawings) {
      SCOPED_TRACE(testing::Message() << d.name << (plain == kBlack ? " on black" : " on white"));
      std::vector<COLORREF> drawn;
      {
        Drawn bitmap(like.dc(), plain, d.draw);
        drawn = bitmap.pixels();
        ASSERT_NE(drawn, std::vector<COLORREF>(drawn.size(), plain)) << "nothing drawn";

        MarkerCanvas copy(kW, kH);
        BitBlt(copy.dc(), 0, 0, kW, kH, bitmap.dc(), 0, 0, SRCCOPY);
        for (int i = 0; i < kW * kH; ++i) ASSERT_EQ(copy.at(i % kW, i / kW), drawn[i]) << "copy at " << i;
      }
      {
        Drawn bitmap(like.dc(), plain, d.draw);
        BitBlt(bitmap.dc(), 0, 0, kW, kH, mask.dc(), 0, 0, SRCAND);
        const std::vector<COLORREF> anded = bitmap.pixels();
        for (int i = 0; i < kW * kH; ++i) ASSERT_EQ(anded[i], drawn[i] & maskPixels[i]) << "AND at " << i;
      }
      {
        Drawn bitmap(like.dc(), plain, d.draw);
        FillSolid(bitmap.dc(), RECT{0, 0, kW, kH}, plain);
        const std::vector<COLORREF> filled = bitmap.pixels();
        for (int i = 0; i < kW * kH; ++i) ASSERT_EQ(filled[i], plain) << "whole fill at " << i;
      }
      // Its memory goes to the next bitmap of its size, which starts all black.
      { Drawn bitmap(like.dc(), plain, d.draw); }
      Drawn next(like.dc(), kBlack, [](HDC) {});
      const std::vector<COLORREF> fresh = next.pixels();
      for (int i = 0; i < kW * kH; ++i) ASSERT_EQ(fresh[i], kBlack) << "next bitmap at " << i;
    }
  }
}

}  // namespace
}  // namespace kx::test
