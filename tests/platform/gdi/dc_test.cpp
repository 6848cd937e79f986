#include <windows.h>

#include <gtest/gtest.h>

#include "support/gdi_leak_check.h"
#include "support/marker_canvas.h"

namespace kx::test {
namespace {

class DcTest : public GdiLeakCheck {};

TEST_F(DcTest, NewDcDefaults) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
  HPEN pen = CreatePen(PS_SOLID, 1, 0);
  EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
  EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), pen);
  HBRUSH brush = CreateSolidBrush(0);
  EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
  SelectObject(dc, GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(SelectObject(dc, GetStockObject(ANSI_VAR_FONT)), GetStockObject(SYSTEM_FONT));
  DeleteObject(pen);
  DeleteObject(brush);
  DeleteDC(dc);
}

TEST_F(DcTest, SaveAndRestoreStates) {
  HDC dc = CreateCompatibleDC(nullptr);
  SetTextColor(dc, RGB(1, 1, 1));
  const int first = SaveDC(dc);
  SetTextColor(dc, RGB(2, 2, 2));
  EXPECT_EQ(SaveDC(dc), first + 1);
  SetTextColor(dc, RGB(3, 3, 3));
  EXPECT_TRUE(RestoreDC(dc, -1));
  EXPECT_EQ(GetTextColor(dc), RGB(2, 2, 2));
  EXPECT_TRUE(RestoreDC(dc, first));
  EXPECT_EQ(GetTextColor(dc), RGB(1, 1, 1));
  EXPECT_FALSE(RestoreDC(dc, first));
  EXPECT_FALSE(RestoreDC(dc, 0));
  DeleteDC(dc);
}

TEST_F(DcTest, BadHandlesFail) {
  HDC dc = CreateCompatibleDC(nullptr);
  DeleteDC(dc);
  EXPECT_FALSE(DeleteDC(dc));  // twice
  EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), nullptr);
  EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
  EXPECT_EQ(SetTextColor(dc, 0), CLR_INVALID);
  EXPECT_FALSE(DeleteObject(nullptr));
  HBRUSH brush = CreateSolidBrush(0);
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_FALSE(DeleteObject(brush));
  EXPECT_EQ(GetObjectA(brush, 0, nullptr), 0);
  EXPECT_EQ(CreateCompatibleDC(reinterpret_cast<HDC>(0x4444)), nullptr);
  EXPECT_EQ(CreatePen(99, 1, 0), nullptr);
  EXPECT_EQ(CreateHatchBrush(42, 0), nullptr);
}

TEST_F(DcTest, ABitmapLivesInOneDcAtATime) {
  MarkerCanvas canvas(2, 2);
  HDC other = CreateCompatibleDC(canvas.dc());
  EXPECT_EQ(SelectObject(other, canvas.bitmap()), nullptr);
  EXPECT_FALSE(DeleteObject(canvas.bitmap()));  // still selected
  DeleteDC(other);
}

TEST_F(DcTest, DeletedObjectsStillSelectedDrawWithDefaults) {
  MarkerCanvas canvas(4, 4);
  HPEN pen = CreatePen(PS_SOLID, 1, kPen);
  HGDIOBJ old = SelectObject(canvas.dc(), pen);
  DeleteObject(pen);
  EXPECT_TRUE(Rectangle(canvas.dc(), 0, 0, 4, 4));
  SelectObject(canvas.dc(), old);
}

TEST_F(DcTest, WidePensAndOddWidthsAreAccepted) {
  for (int width : {-3, 0, 1, 10000}) {
    HPEN pen = CreatePen(PS_SOLID, width, 0);
    ASSERT_NE(pen, nullptr) << width;
    LOGPEN log{};
    EXPECT_EQ(GetObjectA(pen, sizeof(log), &log), int(sizeof(LOGPEN)));
    EXPECT_GE(log.lopnWidth.x, 0);
    DeleteObject(pen);
  }
}

TEST_F(DcTest, LeakCheckNamesWhatLeaked) {
  const GdiCounts before = countGdiObjects();
  HBRUSH brush = CreateSolidBrush(0);
  EXPECT_EQ(countGdiObjects().growthSince(before), "1 brush");
  DeleteObject(brush);
  EXPECT_EQ(countGdiObjects().growthSince(before), "");
}

TEST_F(DcTest, SetPixelAndGetPixelStayInsideTheBitmap) {
  MarkerCanvas canvas(2, 2);
  EXPECT_EQ(SetPixel(canvas.dc(), 1, 1, RGB(9, 8, 7)), RGB(9, 8, 7));
  EXPECT_EQ(GetPixel(canvas.dc(), 1, 1), RGB(9, 8, 7));
  EXPECT_EQ(SetPixel(canvas.dc(), 2, 0, 0), COLORREF(-1));
  EXPECT_EQ(GetPixel(canvas.dc(), -1, 0), CLR_INVALID);
}

// The brush origin is kept modulo the 8 x 8 cell (negative values too) and the call hands back the
// one it replaces. UnrealizeObject on a brush does nothing and succeeds (Microsoft's documentation);
// a handle that is no GDI object fails.
TEST_F(DcTest, BrushOriginWrapsToTheCellAndUnrealizeKeepsBrushes) {
  HDC dc = CreateCompatibleDC(nullptr);
  struct Case {
    int x, y;
    POINT stored;
  };
  const Case cases[] = {{3, 5, {3, 5}}, {9, 17, {1, 1}}, {-1, -9, {7, 7}}, {0, 7, {0, 7}}};
  POINT previous{-1, -1};
  EXPECT_TRUE(SetBrushOrgEx(dc, 0, 0, &previous));
  EXPECT_EQ(previous.x, 0);
  EXPECT_EQ(previous.y, 0);
  for (const Case& c : cases) {
    SetBrushOrgEx(dc, c.x, c.y, nullptr);
    EXPECT_TRUE(SetBrushOrgEx(dc, 0, 0, &previous));
    EXPECT_EQ(previous.x, c.stored.x) << c.x << "," << c.y;
    EXPECT_EQ(previous.y, c.stored.y) << c.x << "," << c.y;
  }
  HBRUSH hatch = CreateHatchBrush(HS_VERTICAL, RGB(0, 0, 0));
  EXPECT_TRUE(UnrealizeObject(hatch));
  EXPECT_TRUE(UnrealizeObject(hatch));
  DeleteObject(hatch);
  EXPECT_FALSE(UnrealizeObject(hatch));
  EXPECT_FALSE(SetBrushOrgEx(nullptr, 1, 1, nullptr));
  DeleteDC(dc);
}

}  // namespace
}  // namespace kx::test
