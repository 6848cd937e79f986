#include "framework/gui.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/headless_desktop.h"

namespace {

class BGuiTest : public kx::test::HeadlessDesktop {
 protected:
  void SetUp() override {
    HeadlessDesktop::SetUp();
    hwnd = createWindow(WS_POPUP | WS_VISIBLE, {0, 0, 64, 48});
    ASSERT_NE(hwnd, nullptr);
  }

  // What the message boxes printed, one "caption: text" line each.
  template <typename F>
  static std::string Boxes(F show) {
    testing::internal::CaptureStderr();
    show();
    return testing::internal::GetCapturedStderr();
  }

  HWND hwnd = nullptr;
};

TEST_F(BGuiTest, MemoryErrorShowsTheDiagnosticOnlyWhenGiven) {
  std::string one = Boxes([] { EXPECT_EQ(MemoryErrorBox(nullptr), 0); });
  EXPECT_NE(one.find("System Error: Memory Error;"), std::string::npos) << one;
  EXPECT_EQ(one.find("Memory Error - Diagnostic"), std::string::npos) << one;
  std::string two = Boxes([] { MemoryErrorBox("no room for the screen"); });
  EXPECT_NE(two.find("System Error: "), std::string::npos) << two;
  EXPECT_NE(two.find("Memory Error - Diagnostic: no room for the screen"), std::string::npos) << two;
}

TEST_F(BGuiTest, NoticeBoxFormatsOrFallsBack) {
  BGui gui;
  EXPECT_NE(Boxes([&] {
              gui.NoticeBox("Error loading BMP from file or resource, rc %i", -1);
            }).find("Notice: Error loading BMP from file or resource, rc -1"),
            std::string::npos);
  EXPECT_NE(Boxes([&] { gui.NoticeBox("%d", 5); }).find("Notice: (error displaying notice)"),
            std::string::npos);
  EXPECT_NE(Boxes([&] { gui.ErrorBox("no owner yet"); }).find("Error!: no owner yet"), std::string::npos);
}

TEST_F(BGuiTest, SetMainWindowReadsTheWindowsTextMetrics) {
  BGui gui;
  EXPECT_EQ(gui.SetMainWindow(hwnd), 1);
  EXPECT_EQ(gui.hwndMain, hwnd);
  EXPECT_EQ(gui.hwndOwner, hwnd);
  EXPECT_EQ(gui.tm.tmHeight, 16);  // the DC's default font, "System" at 96 DPI
}

TEST_F(BGuiTest, PrepareDialogMakesTheDialogFontAndBrushOnce) {
  BGui gui;
  EXPECT_EQ(gui.PrepareDialog(hwnd), 0);
  HBRUSH brush = gui.hbrDlg;
  ASSERT_NE(gui.hfontDlg, nullptr);
  ASSERT_NE(brush, nullptr);
  LOGFONTA lf{};
  ASSERT_NE(GetObjectA(gui.hfontDlg, sizeof lf, &lf), 0);
  EXPECT_EQ(lf.lfHeight, -11);  // -MulDiv(8, 96, 72)
  EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
  gui.PrepareDialog(hwnd);
  EXPECT_EQ(gui.hbrDlg, brush);
}

TEST_F(BGuiTest, DrawBevelFrames) {
  const COLORREF black = 0x000000, white = 0xFFFFFF, grey = 0x7F7F7F;
  struct Probe {
    int x, y;
    COLORREF rgb;  // 0x00RRGGBB as the desktop holds it
  };
  struct Case {
    int n;
    std::vector<Probe> probes;
  };
  // Frames around (10, 10)-(30, 30): the first pen draws the left and top edges, the second the
  // bottom and right ones, each line leaving out its last point.
  const Case cases[] = {
      {0, {{10, 20, black}, {20, 10, black}}},
      {-2,
       {{10, 20, white},
        {20, 10, white},
        {30, 20, grey},
        {20, 30, grey},
        {10, 30, grey},
        {30, 10, black},
        {11, 20, white},
        {29, 20, grey},
        {12, 20, black}}},
      {1, {{10, 20, grey}, {20, 10, grey}, {30, 20, white}, {20, 30, white}, {11, 20, black}}},
  };
  for (const Case& c : cases) {
    HDC hdc = GetDC(hwnd);
    RECT all{0, 0, 64, 48};
    FillRect(hdc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(hwnd, hdc);
    DrawBevel(hwnd, 10, 10, 30, 30, c.n);
    for (const Probe& p : c.probes) {
      EXPECT_EQ(kx::desktopPixel(p.x, p.y), p.rgb) << "n " << c.n << " at " << p.x << "," << p.y;
    }
  }
}

}  // namespace
