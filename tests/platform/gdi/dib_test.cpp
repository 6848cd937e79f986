#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/gdi_leak_check.h"
#include "support/marker_canvas.h"

namespace kx::test {
namespace {

class DibTest : public GdiLeakCheck {};

// A BITMAPINFO with room for a 16-entry colour table.
struct DibInfo {
  BITMAPINFOHEADER header{};
  RGBQUAD colors[256]{};
  const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(this); }
};

DibInfo makeInfo(int width, int height, int bits, int colors = 0) {
  DibInfo info;
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = WORD(bits);
  info.header.biClrUsed = DWORD(colors);
  return info;
}

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255),
                   kWhite = RGB(255, 255, 255);

// Each case stores the picture (top row red-green, bottom row blue-white) in one pixel format.
TEST_F(DibTest, CreateDIBitmapReadsEveryFormat) {
  struct Case {
    const char* name;
    int bits, height, colors;
    std::vector<uint8_t> data;  // rows as stored
  };
  // Colour table: 0 red, 1 green, 2 blue, 3 white.
  const Case cases[] = {
      {"32 bottom-up", 32, 2, 0, {255, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0}},
      {"32 top-down", 32, -2, 0, {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0}},
      {"24 bottom-up", 24, 2, 0, {255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0}},
      {"8 bottom-up", 8, 2, 4, {2, 3, 0, 0, 0, 1, 0, 0}},
      {"4 top-down", 4, -2, 4, {0x01, 0, 0, 0, 0x23, 0, 0, 0}},
      {"1 bottom-up", 1, 2, 2, {0x40, 0, 0, 0, 0x80, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    DibInfo info = makeInfo(2, c.height, c.bits, c.colors);
    info.colors[0] = RGBQUAD{0, 0, 255, 0};
    info.colors[1] = RGBQUAD{0, 255, 0, 0};
    info.colors[2] = RGBQUAD{255, 0, 0, 0};
    info.colors[3] = RGBQUAD{255, 255, 255, 0};
    MarkerCanvas canvas(2, 2);
    HBITMAP bitmap =
        CreateDIBitmap(canvas.dc(), &info.header, CBM_INIT, c.data.data(), info.info(), DIB_RGB_COLORS);
    ASSERT_NE(bitmap, nullptr) << c.name;
    HDC dc = CreateCompatibleDC(canvas.dc());
    HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(canvas.dc(), 0, 0, 2, 2, dc, 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    if (c.bits == 1) {  // two colours only: 0 red, 1 green
      EXPECT_EQ(canvas.at(0, 0), kGreen) << c.name;
      EXPECT_EQ(canvas.at(1, 0), kRed) << c.name;
      EXPECT_EQ(canvas.at(0, 1), kRed) << c.name;
      EXPECT_EQ(canvas.at(1, 1), kGreen) << c.name;
      continue;
    }
    const Probe probes[] = {{0, 0, kRed}, {1, 0, kGreen}, {0, 1, kBlue}, {1, 1, kWhite}};
    for (const Probe& p : probes)
      EXPECT_EQ(canvas.at(p.x, p.y), p.expected) << c.name << " " << p.x << "," << p.y;
  }
}

TEST_F(DibTest, GetObjectReportsTheBitmap) {
  MarkerCanvas canvas(1, 1);
  HBITMAP bitmap = CreateCompatibleBitmap(canvas.dc(), 17, 5);
  BITMAP info{};
  EXPECT_EQ(GetObjectA(bitmap, sizeof(info), &info), int(sizeof(BITMAP)));
  EXPECT_EQ(info.bmWidth, 17);
  EXPECT_EQ(info.bmHeight, 5);
  EXPECT_EQ(info.bmBitsPixel, 32);
  DeleteObject(bitmap);
  // A fresh memory DC holds a monochrome bitmap, so what is compatible with it is monochrome.
  HDC fresh = CreateCompatibleDC(nullptr);
  HBITMAP mono = CreateCompatibleBitmap(fresh, 8, 8);
  GetObjectA(mono, sizeof(info), &info);
  EXPECT_EQ(info.bmBitsPixel, 1);
  DeleteObject(mono);
  DeleteDC(fresh);
}

// Scan lines count from the bottom; the bits hold lines start .. start + lines - 1.
TEST_F(DibTest, SetDIBitsToDeviceHonoursStartScanAndLines) {
  DibInfo info = makeInfo(1, 4, 32);
  // Only scan lines 1 and 2 (from the bottom) are given: green below, blue above.
  const uint8_t bits[] = {0, 255, 0, 0, 255, 0, 0, 0};
  MarkerCanvas canvas(1, 4);
  EXPECT_EQ(SetDIBitsToDevice(canvas.dc(), 0, 0, 1, 4, 0, 0, 1, 2, bits, info.info(), DIB_RGB_COLORS), 2);
  const Probe probes[] = {{0, 0, kMarker}, {0, 1, kBlue}, {0, 2, kGreen}, {0, 3, kMarker}};
  for (const Probe& p : probes) EXPECT_EQ(canvas.at(p.x, p.y), p.expected) << p.y;
}

// The source rectangle's corner (xSrc, ySrc) is measured from the picture's lower-left corner,
// whichever way up its rows are stored; the picture is drawn at its size, clipped to the DIB.
TEST_F(DibTest, SetDIBitsToDeviceTakesTheSourceFromTheLowerLeftCorner) {
  // A 3 x 3 picture at 8 bits: pixel (x, y from the top) has colour index 3 * y + x.
  const COLORREF colours[9] = {RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0), RGB(0, 10, 0), RGB(0, 20, 0),
                               RGB(0, 30, 0), RGB(0, 0, 10), RGB(0, 0, 20), RGB(0, 0, 30)};
  struct Case {
    int xSrc, ySrc;
    DWORD w, h;
    int dy;              // rows of the destination above the picture's top, left untouched
    int drawnW, drawnH;  // what lies inside the picture
    int firstX, firstY;  // the picture's pixel drawn first
  };
  const Case cases[] = {
      {0, 0, 3, 3, 0, 3, 3, 0, 0},  // all of it
      {1, 0, 2, 2, 0, 2, 2, 1, 1},  // the lower right 2 x 2
      {0, 1, 2, 2, 0, 2, 2, 0, 0},  // one line up: the upper left 2 x 2
      // Lines 2 and 3 from the bottom: line 3 lies above the picture, so only the destination's
      // lower row gets the top-right pixel.
      {2, 2, 2, 2, 1, 1, 1, 2, 0},
  };
  for (int height : {3, -3}) {
    DibInfo info = makeInfo(3, height, 8, 9);
    for (int i = 0; i < 9; ++i) {
      info.colors[i] = RGBQUAD{GetBValue(colours[i]), GetGValue(colours[i]), GetRValue(colours[i]), 0};
    }
    uint8_t bits[3][4] = {};
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 3; ++x) bits[height > 0 ? 2 - y : y][x] = uint8_t(3 * y + x);
    }
    for (const Case& c : cases) {
      MarkerCanvas canvas(8, 8);
      SetDIBitsToDevice(canvas.dc(), 2, 3, c.w, c.h, c.xSrc, c.ySrc, 0, 3, bits, info.info(), DIB_RGB_COLORS);
      for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
          const int px = x - 2, py = y - 3 - c.dy;
          const bool inside = px >= 0 && px < c.drawnW && py >= 0 && py < c.drawnH;
          const COLORREF want = inside ? colours[3 * (c.firstY + py) + c.firstX + px] : kMarker;
          EXPECT_EQ(canvas.at(x, y), want)
              << "height " << height << " src " << c.xSrc << "," << c.ySrc << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST_F(DibTest, MalformedHeadersAreRefused) {
  const uint8_t bits[64] = {};
  struct Case {
    const char* name;
    LONG width, height;
    WORD bits;
    DWORD sizeImage, clrUsed, compression;
  };
  const Case cases[] = {
      {"zero width", 0, 2, 32, 0, 0, BI_RGB},           {"16 bits", 2, 2, 16, 0, 0, BI_RGB},
      {"image size too small", 4, 4, 32, 8, 0, BI_RGB}, {"too many colours", 2, 2, 1, 0, 3, BI_RGB},
      {"compressed", 2, 2, 8, 0, 0, BI_RLE8},           {"huge", 1 << 20, 1 << 20, 32, 0, 0, BI_RGB},
  };
  MarkerCanvas canvas(2, 2);
  for (const Case& c : cases) {
    DibInfo info = makeInfo(c.width, c.height, c.bits, int(c.clrUsed));
    info.header.biSizeImage = c.sizeImage;
    info.header.biCompression = c.compression;
    EXPECT_EQ(CreateDIBitmap(canvas.dc(), &info.header, CBM_INIT, bits, info.info(), DIB_RGB_COLORS), nullptr)
        << c.name;
    EXPECT_EQ(SetDIBitsToDevice(canvas.dc(), 0, 0, 2, 2, 0, 0, 0, 2, bits, info.info(), DIB_RGB_COLORS), 0)
        << c.name;
  }
  EXPECT_EQ(canvas.at(0, 0), kMarker);
}

}  // namespace
}  // namespace kx::test
