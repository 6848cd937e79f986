#include "display/sub_nbrs.h"

#include <gtest/gtest.h>

#include "display/display_fixture.h"

namespace {

constexpr RECT kPanel{200, 100, 600, 200};  // 100 pixels high: 6 lines of the default font
constexpr COLORREF kWhite = RGB(255, 255, 255);

class SubNbrsTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    panel = std::make_unique<CSubNbrs>(app.get());
    panel->RegisterClass();
    panel->SetRect(kPanel);
    panel->SetColors(app->Clr(1), app->Clr(0));
    ASSERT_EQ(panel->Create(0, 0), 0);
    Pump();
  }
  void TearDown() override {
    panel.reset();
    DisplayTest::TearDown();
  }

  // Whether a line of text stands in the band of one line height starting at panel row y.
  bool LineAt(int y) const {
    for (int row = y; row < y + 13; ++row)
      for (int x = 0; x < 40; ++x)
        if (At(kPanel.left + x, kPanel.top + row) == kWhite) return true;
    return false;
  }

  // The first panel row at or below y with ink of a line, -1 when none stands up to y + 13.
  int InkTop(int y) const {
    for (int row = y; row < y + 13; ++row)
      for (int x = 0; x < 40; ++x)
        if (At(kPanel.left + x, kPanel.top + row) == kWhite) return row;
    return -1;
  }

  std::unique_ptr<CSubNbrs> panel;
};

// The default font is 16 pixels high with 3 of internal leading: lines stand 13 pixels apart.
TEST_F(SubNbrsTest, FirstPaintMeasuresThePanelAndPrintsOneLine) {
  EXPECT_EQ(panel->tm.tmHeight, 16);
  EXPECT_EQ(panel->rows, 6);
  EXPECT_EQ(panel->lineY, 13);
  EXPECT_TRUE(LineAt(0));
  EXPECT_FALSE(LineAt(13));
}

TEST_F(SubNbrsTest, OrdinaryTicksChangeNothing) {
  for (int tick = 0; tick < 5; ++tick) panel->Animate(1);
  Pump();
  EXPECT_EQ(panel->lineY, 13);
  EXPECT_EQ(panel->count, 0);
  EXPECT_FALSE(LineAt(13));
}

TEST_F(SubNbrsTest, OneLinePerSecondThenANewPage) {
  ASSERT_NE(InkTop(0), -1);
  for (int second = 1; second <= 5; ++second) {
    panel->Animate(2);
    EXPECT_EQ(panel->lineY, 13 * (second + 1));
    EXPECT_TRUE(LineAt(13 * second)) << "second " << second;
    EXPECT_EQ(InkTop(13 * second), InkTop(0) + 13 * second) << "second " << second;
  }
  panel->Animate(2);  // the sixth second clears the page
  EXPECT_EQ(panel->lineY, 0);
  EXPECT_EQ(panel->count, 0);
  Pump();
  EXPECT_TRUE(LineAt(0));
  EXPECT_FALSE(LineAt(13));
  EXPECT_FALSE(LineAt(65));
}

// The eight columns of 6, 7, 5, 8, 7, 8, 9 and 3 digits stand width x tmAveCharWidth + 2 apart,
// each number starting at its column's left edge. The small font's digits are narrower than the
// default font's average character, so even a number one digit too long ends before the next
// column: the pixel just left of every column start is blank.
TEST_F(SubNbrsTest, NumbersStayInTheirColumns) {
  const int widths[] = {6, 7, 5, 8, 7, 8, 9, 3};
  auto inkIn = [&](int left, int right) {
    for (int row = 0; row < 13; ++row)
      for (int x = left; x < right; ++x)
        if (At(kPanel.left + x, kPanel.top + row) == kWhite) return true;
    return false;
  };
  for (int line = 0; line < 5; ++line) {
    int start = 0;
    for (int width : widths) {
      EXPECT_TRUE(inkIn(start, start + 3)) << "column at " << start << ", line " << line;
      if (start > 0) {
        EXPECT_FALSE(inkIn(start - 1, start)) << "column at " << start << ", line " << line;
      }
      start += width * panel->tm.tmAveCharWidth + 2;
    }
    RECT all{0, 0, kPanel.right - kPanel.left, kPanel.bottom - kPanel.top};
    HDC dc = GetDC(panel->hwnd);  // a fresh line on a cleared panel
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(panel->hwnd, dc);
    panel->lineY = 0;
    panel->Paint(panel->hwnd, nullptr);
  }
}

// Shorter than one line: no row fits, so every whole second clears the panel, and each repaint
// shows the one line it prints.
TEST_F(SubNbrsTest, APanelShorterThanALineClearsEverySecond) {
  CSubNbrs strip(app.get());
  strip.SetRect(RECT{200, 300, 600, 310});
  strip.SetColors(app->Clr(1), app->Clr(0));
  ASSERT_EQ(strip.Create(0, 0), 0);
  Pump();
  EXPECT_EQ(strip.rows, 0);
  for (int second = 1; second <= 3; ++second) {
    strip.Animate(2);
    EXPECT_EQ(strip.lineY, 0);
    Pump();
    EXPECT_EQ(strip.lineY, 13) << "second " << second;
    EXPECT_EQ(strip.count, 0);
  }
}

}  // namespace
