#include <windows.h>

#include <gtest/gtest.h>

#include "support/gdi_leak_check.h"

namespace kx::test {
namespace {

class OutOfMemoryTest : public GdiLeakCheck {};

// The layer gives a bitmap at most 2^26 pixels (8192 x 8192); more is memory it does not have.
TEST_F(OutOfMemoryTest, BitmapsBeyondTheLayersMemoryFailWithNotEnoughMemory) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  const SIZE sizes[] = {{100000, 100000}, {8193, 8192}, {8192, 8193}, {1 << 30, 1}, {INT_MAX, INT_MAX}};
  for (SIZE size : sizes) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(CreateCompatibleBitmap(dc, size.cx, size.cy), nullptr) << size.cx << " x " << size.cy;
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY)) << size.cx << " x " << size.cy;
  }
  BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), 100000, -100000, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(CreateDIBitmap(dc, &header, 0, nullptr, nullptr, DIB_RGB_COLORS), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
  DeleteDC(dc);
}

TEST_F(OutOfMemoryTest, AnEmptyBitmapIsAnInvalidParameterNotAShortageOfMemory) {
  HDC dc = CreateCompatibleDC(nullptr);
  const SIZE sizes[] = {{0, 1}, {1, 0}, {-1, 1}};
  for (SIZE size : sizes) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(CreateCompatibleBitmap(dc, size.cx, size.cy), nullptr) << size.cx << " x " << size.cy;
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER)) << size.cx << " x " << size.cy;
  }
  DeleteDC(dc);
}

TEST_F(OutOfMemoryTest, TheLargestBitmapTheLayerGivesIsMade) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 1 << 16, 1 << 10);
  EXPECT_NE(bitmap, nullptr);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace
}  // namespace kx::test
