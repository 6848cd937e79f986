#include "display/disp_std.h"

#include <gtest/gtest.h>

#include "display/display_fixture.h"
#include "gfx/gfx_geometry.h"

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

using DispStdPaint = DisplayTest;

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
