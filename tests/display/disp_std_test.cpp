#include "display/disp_std.h"

#include <gtest/gtest.h>

#include <string>

#include "display/display_fixture.h"
#include "gfx/gfx_geometry.h"
#include "support/memory_frame.h"

namespace {

struct NamedBox {
  const char* name;
  const RECT& actual;
  Box expected;
};

// The worked frame layout for a 1024 x 768 client area, where both spacing units are 4.
TEST(DispStd, FrameLayoutAt1024x768) {
  CDispStd disp(nullptr);
  disp.width = 1024;
  disp.height = 768;
  disp.unitX = 4;
  disp.unitY = 4;
  disp.LayOutFrame();
  const NamedBox boxes[] = {
      {"colTop", disp.colTop.rect, {51, 0, 174, 99}},
      {"bendUpper", disp.bendUpper.rcBend, {51, 103, 460, 268}},
      {"bendLower", disp.bendLower.rcBend, {51, 272, 460, 384}},
      {"colBlock1", disp.colBlock1.rect, {51, 388, 174, 499}},
      {"colBlock2", disp.colBlock2.rect, {51, 503, 174, 537}},
      {"colBlock3", disp.colBlock3.rect, {51, 541, 174, 614}},
      {"colBlock4", disp.colBlock4.rect, {51, 618, 174, 768}},
      {"barUpper1", disp.barUpper1.rect, {464, 258, 512, 268}},
      {"barUpper2", disp.barUpper2.rect, {516, 258, 716, 268}},
      {"barUpper3", disp.barUpper3.rect, {720, 258, 972, 268}},
      {"barUpper4", disp.barUpper4.rect, {976, 258, 1013, 268}},
      {"barLower1", disp.barLower1.rect, {464, 272, 512, 282}},
      {"barLower2", disp.barLower2.rect, {516, 272, 716, 277}},
      {"barLower3", disp.barLower3.rect, {720, 272, 972, 282}},
      {"barLower4", disp.barLower4.rect, {976, 272, 1013, 282}},
      {"rcOvals", disp.rcOvals, {737, 103, 1013, 238}},
      {"ovalTopLeft", disp.ovalTopLeft.rect, {737, 103, 869, 164}},
      {"ovalBottomLeft", disp.ovalBottomLeft.rect, {737, 177, 869, 238}},
      {"ovalTopRight", disp.ovalTopRight.rect, {881, 103, 1013, 164}},
      {"ovalBottomRight", disp.ovalBottomRight.rect, {881, 177, 1013, 238}},
      {"rcTitle", disp.rcTitle, {358, 16, 992, 103}},
      {"rcUpper", disp.rcUpper, {194, 99, 704, 246}},
      {"rcLower", disp.rcLower, {194, 292, 1013, 768}},
  };
  for (const NamedBox& box : boxes) EXPECT_EQ(BoxOf(box.actual), box.expected) << box.name;
  for (const CGfxBend* bend : {&disp.bendUpper, &disp.bendLower}) {
    EXPECT_EQ(bend->armWidth, 123);
    EXPECT_EQ(bend->armHeight, 10);
  }
}

// A frame laid out by SetUp from the main window's client size, worked by hand from the
// formulas: 1366 x 768 gives unitX = trunc(6.42) = 6 and unitY = trunc(4.99) = 4; 800 x 600 gives
// 3 and 3, and products that fall just below a whole number (0.35 x 600 = 209.99..., 0.7 x 800 =
// 559.99...).
struct FrameLayout {
  const char* name;
  int width, height;
  int armWidth;
  Box boxes[23];  // in the order of kLayoutNames
};

constexpr const char* kLayoutNames[23] = {
    "colTop",       "bendUpper",       "bendLower", "colBlock1", "colBlock2",   "colBlock3",
    "colBlock4",    "barUpper1",       "barUpper2", "barUpper3", "barUpper4",   "barLower1",
    "barLower2",    "barLower3",       "barLower4", "rcOvals",   "ovalTopLeft", "ovalBottomLeft",
    "ovalTopRight", "ovalBottomRight", "rcTitle",   "rcUpper",   "rcLower"};

// x05 = 68, x17 = 232, x35 = 478, x45 = 614, x50 = 683, x70 = 956, x72 = 983, x95 = 1297,
// x99 = 1352; y13 = 99, y35 = 268, y50 = 384, y65 = 499, y70 = 537, y80 = 614, y135 = 103;
// ow = (1352 - 983 - 18) / 2 = 175, oh = (238 - 103 - 12) / 2 = 61.
const FrameLayout k1366x768 = {
    "1366x768", 1366, 768, 164, {{68, 0, 232, 99},       {68, 103, 614, 268},    {68, 272, 614, 384},
                                 {68, 388, 232, 499},    {68, 503, 232, 537},    {68, 541, 232, 614},
                                 {68, 618, 232, 768},    {620, 258, 683, 268},   {689, 258, 956, 268},
                                 {962, 258, 1297, 268},  {1303, 258, 1352, 268}, {620, 272, 683, 282},
                                 {689, 272, 956, 277},   {962, 272, 1297, 282},  {1303, 272, 1352, 282},
                                 {983, 103, 1352, 238},  {983, 103, 1158, 164},  {983, 177, 1158, 238},
                                 {1177, 103, 1352, 164}, {1177, 177, 1352, 238}, {478, 16, 1318, 103},
                                 {262, 99, 938, 246},    {262, 292, 1352, 768}}};

// x05 = 40, x17 = 136, x35 = 279, x45 = 360, x50 = 400, x70 = 559, x72 = 575, x95 = 759,
// x99 = 791; y13 = 78, y35 = 209, y50 = 300, y65 = 390, y70 = 419, y80 = 480, y135 = 81;
// ow = (791 - 575 - 9) / 2 = 103, oh = (184 - 81 - 9) / 2 = 47.
const FrameLayout k800x600 = {
    "800x600", 800, 600, 96, {{40, 0, 136, 78},     {40, 81, 360, 209},   {40, 212, 360, 300},
                              {40, 303, 136, 390},  {40, 393, 136, 419},  {40, 422, 136, 480},
                              {40, 483, 136, 600},  {363, 199, 400, 209}, {403, 199, 559, 209},
                              {562, 199, 759, 209}, {762, 199, 791, 209}, {363, 212, 400, 222},
                              {403, 212, 559, 217}, {562, 212, 759, 222}, {762, 212, 791, 222},
                              {575, 81, 791, 184},  {575, 81, 678, 128},  {575, 137, 678, 184},
                              {688, 81, 791, 128},  {688, 137, 791, 184}, {279, 12, 776, 81},
                              {151, 78, 550, 190},  {151, 232, 791, 600}}};

class DispStdLayout : public DisplayTest, public testing::WithParamInterface<const FrameLayout*> {
 protected:
  void SetUp() override {
    desktopWidth = GetParam()->width;
    desktopHeight = GetParam()->height;
    DisplayTest::SetUp();
  }
};

TEST_P(DispStdLayout, SetUpLaysOutTheFrameFromTheClientSize) {
  const FrameLayout& expected = *GetParam();
  CDispStd disp(app.get());
  EXPECT_EQ(disp.SetUp(), 0);
  const RECT* actual[23] = {&disp.colTop.rect,
                            &disp.bendUpper.rcBend,
                            &disp.bendLower.rcBend,
                            &disp.colBlock1.rect,
                            &disp.colBlock2.rect,
                            &disp.colBlock3.rect,
                            &disp.colBlock4.rect,
                            &disp.barUpper1.rect,
                            &disp.barUpper2.rect,
                            &disp.barUpper3.rect,
                            &disp.barUpper4.rect,
                            &disp.barLower1.rect,
                            &disp.barLower2.rect,
                            &disp.barLower3.rect,
                            &disp.barLower4.rect,
                            &disp.rcOvals,
                            &disp.ovalTopLeft.rect,
                            &disp.ovalBottomLeft.rect,
                            &disp.ovalTopRight.rect,
                            &disp.ovalBottomRight.rect,
                            &disp.rcTitle,
                            &disp.rcUpper,
                            &disp.rcLower};
  for (int i = 0; i < 23; ++i) EXPECT_EQ(BoxOf(*actual[i]), expected.boxes[i]) << kLayoutNames[i];
  for (const CGfxBend* bend : {&disp.bendUpper, &disp.bendLower}) {
    EXPECT_EQ(bend->armWidth, expected.armWidth);
    EXPECT_EQ(bend->armHeight, 10);
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, DispStdLayout, testing::Values(&k1366x768, &k800x600),
                         [](const testing::TestParamInfo<const FrameLayout*>& info) {
                           return std::string("At") + info.param->name;
                         });

using DispStdPaint = DisplayTest;

// The title is drawn in the screen font, right-aligned in rcTitle, slot 16 on slot 0: pixel for
// pixel what DrawTextA gives with that font.
TEST_F(DispStdPaint, TitleIsDrawnInTheScreenFont) {
  CDispStd disp(app.get());
  disp.SetUp();
  disp.title = "STANDARD FRAME";
  HDC dc = GetDC(hwndMain);
  EXPECT_EQ(disp.DrawTitle(dc), 0);
  ReleaseDC(hwndMain, dc);

  kx::test::MemoryFrame expected(kWidth, kHeight);
  const RECT all{0, 0, kWidth, kHeight};
  FillRect(expected.dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  HFONT font = app->CreateScreenFont(expected.dc());
  HGDIOBJ old = SelectObject(expected.dc(), font);
  SetTextColor(expected.dc(), app->Clr(16)->GetRGB());
  SetBkColor(expected.dc(), app->Clr(0)->GetRGB());
  RECT box = disp.rcTitle;
  DrawTextA(expected.dc(), disp.title, -1, &box, DT_RIGHT);
  SelectObject(expected.dc(), old);
  DeleteObject(font);

  int ink = 0, differences = 0;
  for (int y = 0; y < disp.rcTitle.bottom + 10; ++y) {
    for (int x = disp.rcTitle.left - 20; x < kWidth; ++x) {
      const COLORREF want = GetPixel(expected.dc(), x, y);
      ink += want == app->Clr(16)->GetRGB();
      differences += At(x, y) != want;
    }
  }
  EXPECT_GT(ink, 200);
  EXPECT_EQ(differences, 0);
}

// Without a title nothing is drawn and DrawTitle says so, yet Paint draws every frame shape.
TEST_F(DispStdPaint, WithoutATitleTheFrameIsStillPainted) {
  CDispStd disp(app.get());
  disp.SetUp();
  for (CGfxShape* shape : disp.Shapes()) shape->SetColor(app->Clr(16), nullptr);
  HDC dc = GetDC(hwndMain);
  for (const char* title : {static_cast<const char*>(nullptr), ""}) {
    disp.title = title;
    EXPECT_EQ(disp.DrawTitle(dc), -1);
    EXPECT_EQ(disp.Paint(hwndMain, dc), 0);
  }
  disp.title = "TITLE";
  EXPECT_EQ(disp.DrawTitle(nullptr), -1);
  ReleaseDC(hwndMain, dc);
  const POINT inside[] = {{100, 50}, {100, 150}, {100, 700}, {490, 263}, {995, 277}, {947, 207}};
  for (const POINT& p : inside) EXPECT_EQ(At(p.x, p.y), app->Clr(16)->GetRGB()) << p.x << "," << p.y;
  int ink = 0;
  for (int y = disp.rcTitle.top; y < disp.rcTitle.bottom; ++y)
    for (int x = disp.rcTitle.left; x < disp.rcTitle.right; ++x) ink += At(x, y) != RGB(0, 0, 0);
  EXPECT_EQ(ink, 0) << "no title drawn";
}

}  // namespace
