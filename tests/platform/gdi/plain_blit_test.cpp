// Bitmaps know which of their pixels still have the colour of their last whole fill; fills and
// blits leave those alone where they would not change them. Every pixel must come out as if each
// had been combined.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

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

void Fill(HDC dc, const RECT& r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

// A made bitmap in its own memory DC, filled whole with `plain`, with one rectangle of ink.
class InkedBitmap {
 public:
  InkedBitmap(HDC like, int width, int height, COLORREF plain, const RECT& ink) {
    m_dc = CreateCompatibleDC(like);
    m_bitmap = CreateCompatibleBitmap(like, width, height);
    m_old = SelectObject(m_dc, m_bitmap);
    Fill(m_dc, RECT{0, 0, width, height}, plain);
    Fill(m_dc, ink, kInk);
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
    Fill(canvas.dc(), RECT{x, 0, x + 1, canvas.height()}, x % 2 ? kStripeA : kStripeB);
}

// Each operation with the source colour that changes nothing, blitted with the source and the
// destination rectangles at different places, so the ink's edges land between other pixels.
TEST_F(PlainBlitTest, CombiningWithAPlainSourceChangesOnlyUnderItsInk) {
  struct Case {
    DWORD rop;
    COLORREF plain;
    std::function<COLORREF(COLORREF, COLORREF)> combine;
  };
  const Case cases[] = {
      {SRCAND, kWhite, [](COLORREF d, COLORREF s) { return d & s; }},
      {SRCPAINT, kBlack, [](COLORREF d, COLORREF s) { return d | s; }},
      {SRCINVERT, kBlack, [](COLORREF d, COLORREF s) { return d ^ s; }},
      {SRCCOPY, kWhite, [](COLORREF, COLORREF s) { return s; }},
  };
  const RECT ink{5, 3, 9, 7};  // in the source
  const int dx = 6, dy = 4, sx = 2, sy = 1, w = 11, h = 8;
  for (const Case& c : cases) {
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
         Fill(dc, RECT{15, 0, 16, 12}, kInk);
       }},
      {"PatBlt part", [](HDC dc) { PatBlt(dc, 0, 11, 16, 1, WHITENESS); }},
      {"BitBlt copy",
       [](HDC dc) {
         InkedBitmap other(dc, 4, 4, kWhite, RECT{1, 1, 2, 2});
         BitBlt(dc, 11, 7, 4, 4, other.dc(), 0, 0, SRCCOPY);
       }},
      {"SetDIBitsToDevice",
       [](HDC dc) {
         BITMAPINFO info{};
         info.bmiHeader.biSize = sizeof(info.bmiHeader);
         info.bmiHeader.biWidth = 1;
         info.bmiHeader.biHeight = 1;
         info.bmiHeader.biPlanes = 1;
         info.bmiHeader.biBitCount = 32;
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
    Fill(bitmap.dc(), RECT{0, 0, 16, 12}, kBlack);
    for (int y = 0; y < 12; ++y) {
      for (int x = 0; x < 16; ++x)
        ASSERT_EQ(GetPixel(bitmap.dc(), x, y), kBlack) << c.name << " at " << x << "," << y;
    }
  }
}

// A bitmap made from bits starts with those, not with the plain black of a new one.
TEST_F(PlainBlitTest, ABitmapMadeFromBitsIsCoveredByAWholeFill) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = 2;
  info.bmiHeader.biHeight = 2;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  const DWORD bits[4] = {0x00102030, 0x00405060, 0x00708090, 0x00A0B0C0};
  MarkerCanvas canvas(2, 2);
  HBITMAP bitmap = CreateDIBitmap(canvas.dc(), &info.bmiHeader, CBM_INIT, bits, &info, DIB_RGB_COLORS);
  HDC dc = CreateCompatibleDC(canvas.dc());
  HGDIOBJ old = SelectObject(dc, bitmap);
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0x40, 0x50, 0x60));
  Fill(dc, RECT{0, 0, 2, 2}, kBlack);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 2; ++x) EXPECT_EQ(GetPixel(dc, x, y), kBlack) << x << "," << y;
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace
}  // namespace kx::test
