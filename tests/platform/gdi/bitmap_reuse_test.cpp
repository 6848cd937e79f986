// A bitmap made right after one of its size was deleted starts black and private, whatever was
// drawn on the deleted one, and however the first fill leaves it covered.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "support/gdi_leak_check.h"
#include "support/marker_canvas.h"

namespace kx::test {
namespace {

// Big enough that its pixels are kept for the next bitmap of the size.
constexpr int kWidth = 320, kHeight = 240;
constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);

class BitmapReuseTest : public GdiLeakCheck {
 protected:
  MarkerCanvas screen{4, 4};
};

// A memory DC over a new compatible bitmap; both go with it.
class OffScreen {
 public:
  explicit OffScreen(HDC like) : m_dc(CreateCompatibleDC(like)) {
    m_bitmap = CreateCompatibleBitmap(like, kWidth, kHeight);
    m_old = SelectObject(m_dc, m_bitmap);
  }
  ~OffScreen() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
  }
  HDC dc() const { return m_dc; }
  void fill(const RECT& rect, HBRUSH brush) const { FillRect(m_dc, &rect, brush); }
  void fill(const RECT& rect, COLORREF color) const { FillSolid(m_dc, rect, color); }
  COLORREF at(int x, int y) const { return GetPixel(m_dc, x, y); }

 private:
  HDC m_dc;
  HBITMAP m_bitmap;
  HGDIOBJ m_old;
};

const RECT kAll{0, 0, kWidth, kHeight};
const std::vector<POINT> kCornersAndMiddle{
    {0, 0}, {kWidth - 1, 0}, {0, kHeight - 1}, {kWidth - 1, kHeight - 1}, {kWidth / 2, kHeight / 2}};

// Leaves white pixels behind in a deleted bitmap of the size.
void paintAndDeleteWhite(HDC like) {
  OffScreen old(like);
  old.fill(kAll, kWhite);
}

TEST_F(BitmapReuseTest, ANewBitmapIsBlackAfterAWhiteOneOfItsSizeWasDeleted) {
  paintAndDeleteWhite(screen.dc());
  OffScreen fresh(screen.dc());
  for (POINT p : kCornersAndMiddle) EXPECT_EQ(fresh.at(p.x, p.y), kBlack) << p.x << "," << p.y;
}

// The first fill decides nothing unless it paints every pixel with one colour.
TEST_F(BitmapReuseTest, WhatTheFirstFillLeavesIsBlack) {
  struct Case {
    const char* name;
    RECT rect;
    int hatch;  // -1: a solid brush
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {"whole, solid",
       kAll,
       -1,
       {{0, 0, kBrush}, {kWidth - 1, kHeight - 1, kBrush}, {kWidth / 2, 7, kBrush}}},
      {"larger than the bitmap",
       {-5, -5, kWidth + 5, kHeight + 5},
       -1,
       {{0, 0, kBrush}, {kWidth - 1, 0, kBrush}}},
      {"one column short",
       {0, 0, kWidth - 1, kHeight},
       -1,
       {{kWidth - 2, kHeight - 1, kBrush}, {kWidth - 1, 0, kBlack}, {kWidth - 1, kHeight - 1, kBlack}}},
      {"one row short",
       {0, 1, kWidth, kHeight},
       -1,
       {{0, 1, kBrush}, {0, 0, kBlack}, {kWidth - 1, 0, kBlack}}},
      {"whole, hatched, transparent", kAll, HS_HORIZONTAL, {{0, 3, kBrush}, {0, 2, kBlack}, {5, 4, kBlack}}},
  };
  for (const Case& c : cases) {
    paintAndDeleteWhite(screen.dc());
    OffScreen fresh(screen.dc());
    SetBkMode(fresh.dc(), TRANSPARENT);
    HBRUSH brush = c.hatch < 0 ? CreateSolidBrush(kBrush) : CreateHatchBrush(c.hatch, kBrush);
    fresh.fill(c.rect, brush);
    DeleteObject(brush);
    for (const Probe& p : c.probes)
      EXPECT_EQ(fresh.at(p.x, p.y), p.expected) << c.name << " at " << p.x << "," << p.y;
  }
}

// Two bitmaps alive together never share pixels, even when both are the size of a deleted one.
TEST_F(BitmapReuseTest, BitmapsAliveTogetherKeepTheirOwnPixels) {
  paintAndDeleteWhite(screen.dc());
  paintAndDeleteWhite(screen.dc());
  OffScreen first(screen.dc()), second(screen.dc());
  first.fill(kAll, kBrush);
  second.fill(RECT{0, 0, 1, 1}, kPen);
  EXPECT_EQ(first.at(0, 0), kBrush);
  EXPECT_EQ(first.at(kWidth - 1, kHeight - 1), kBrush);
  EXPECT_EQ(second.at(0, 0), kPen);
  EXPECT_EQ(second.at(1, 0), kBlack);
  EXPECT_EQ(second.at(kWidth - 1, kHeight - 1), kBlack);
}

// Bits given to CreateDIBitmap land on a reused buffer and stay: the black comes before them.
TEST_F(BitmapReuseTest, ADibStoredIntoAReusedBufferStays) {
  paintAndDeleteWhite(screen.dc());
  const BITMAPINFO info = Dib32(kWidth, -kHeight);                 // top-down
  std::vector<uint32_t> bits(size_t(kWidth) * kHeight, 0x0000FF);  // blue, as BGRX
  bits[0] = 0xFF0000;                                              // red in the top left corner
  HBITMAP bitmap = CreateDIBitmap(screen.dc(), &info.bmiHeader, CBM_INIT, bits.data(), &info, DIB_RGB_COLORS);
  ASSERT_NE(bitmap, nullptr);
  HDC dc = CreateCompatibleDC(screen.dc());
  HGDIOBJ old = SelectObject(dc, bitmap);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, kWidth - 1, kHeight - 1), RGB(0, 0, 255));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

}  // namespace
}  // namespace kx::test
