// Shapes without drawing of their own draw nothing at all; the grid table draws its fixed scale.
#include "gfx/gfx_tbl.h"

#include <gtest/gtest.h>

#include <string>

#include "app/kalyx.h"
#include "gfx/gfx_canvas.h"
#include "gfx/gfx_geometry.h"
#include "support/memory_frame.h"
#include "support/temp_home.h"

namespace {

constexpr COLORREF kText = RGB(255, 212, 64);
constexpr COLORREF kBack = RGB(0, 0, 128);

class GfxTblTest : public GfxCanvasTest {
 protected:
  // Pixels other than the marker within the box grown by 20.
  int PaintedAround(const RECT& rc) const {
    int n = 0;
    for (int y = std::max(0, int(rc.top) - 20); y < std::min(kHeight, int(rc.bottom) + 20); ++y)
      for (int x = std::max(0, int(rc.left) - 20); x < std::min(kWidth, int(rc.right) + 20); ++x)
        n += At(x, y) != kMarker;
    return n;
  }
  // The context as a shape must leave it: colours, pen, brush and font.
  struct DcState {
    COLORREF text, back;
    HGDIOBJ pen, brush, font;
    bool operator==(const DcState&) const = default;
  };
  // What is selected, found by selecting a stock object and putting the answer straight back.
  HGDIOBJ Selected(int stock) const {
    HGDIOBJ current = SelectObject(hdc, GetStockObject(stock));
    SelectObject(hdc, current);
    return current;
  }
  DcState State() const {
    return {GetTextColor(hdc), GetBkColor(hdc), Selected(BLACK_PEN), Selected(BLACK_BRUSH),
            Selected(SYSTEM_FONT)};
  }
  kx::test::TempHome home;
};

// The shape base, a sprite and a plain table: coloured and placed, yet their Draw paints nothing
// and leaves the context as it was.
TEST_F(GfxTblTest, ShapesWithoutDrawingOfTheirOwnPaintNothing) {
  CGfxClr clr;
  clr.SetRGB(255, 0, 0);
  const RECT rc{100, 100, 300, 250};
  CGfxShape shape;
  shape.rect = rc;
  CGfxSprite sprite;
  sprite.rect = rc;
  CGfxTbl table;
  EXPECT_EQ(table.SetRect(rc), 0);
  EXPECT_EQ(BoxOf(*table.GetRect()), BoxOf(rc));
  table.textRgb = kText;
  table.backRgb = kBack;
  for (CGfxShape* s : {&shape, static_cast<CGfxShape*>(&sprite), static_cast<CGfxShape*>(&table)}) {
    s->SetColor(&clr, &clr);
    const DcState before = State();
    EXPECT_EQ(s->Animate(), 0);
    EXPECT_EQ(s->Draw(nullptr, hdc), 0);
    EXPECT_EQ(PaintedAround(rc), 0);
    EXPECT_TRUE(State() == before);
  }
}

// The grid table in the box (100, 50, 300, 200): a vertical line at x = 175 down the box, five
// rows 100 pixels long at y = 90, 130, 170, 210 and 250 (the last two below the box), and the
// labels "015" to "074" at (105, 91 + 40 i), in the application's small font.
TEST_F(GfxTblTest, GridTableDrawsItsScaleFromTheTopWhateverTheHeight) {
  CKalyx app;
  CGfxGridTbl grid;
  grid.SetRect(RECT{100, 50, 300, 200});
  grid.font = &app;
  grid.textRgb = kText;
  grid.backRgb = kBack;
  const DcState before = State();
  EXPECT_EQ(grid.Draw(nullptr, hdc), 0);
  EXPECT_TRUE(State() == before);

  const Probe lines[] = {
      {175, 50, true},  {175, 199, true}, {175, 200, false}, {175, 49, false}, {174, 70, false},
      {176, 70, false}, {100, 90, true},  {199, 90, true},   {200, 90, false}, {99, 90, false},
      {150, 89, false}, {150, 91, false}, {180, 210, true},  {199, 250, true}, {200, 250, false},
  };
  for (const Probe& p : lines) {
    if (p.painted) {
      EXPECT_EQ(At(p.x, p.y), kText) << p.x << "," << p.y;
    } else {
      EXPECT_NE(At(p.x, p.y), kText) << p.x << "," << p.y;
    }
  }
  for (int row = 1; row <= 5; ++row) {
    for (int x = 100; x < 200; x += 9) EXPECT_EQ(At(x, 50 + 40 * row), kText) << x << ", row " << row;
  }

  // Each label as DrawTextA writes it in the small font, text over its opaque background.
  const char* labels[] = {"015", "028", "043", "057", "074"};
  kx::test::MemoryFrame expected(100, 20);
  HFONT font = app.CreateSmallFont(expected.dc());
  HGDIOBJ old = SelectObject(expected.dc(), font);
  SetTextColor(expected.dc(), kText);
  SetBkColor(expected.dc(), kBack);
  for (int row = 0; row < 5; ++row) {
    SCOPED_TRACE(labels[row]);
    HBRUSH marker = CreateSolidBrush(kMarker);
    const RECT all{0, 0, 100, 20};
    FillRect(expected.dc(), &all, marker);
    DeleteObject(marker);
    RECT box{5, 1, 75, 16};
    DrawTextA(expected.dc(), labels[row], -1, &box, 0);
    int differences = 0, ink = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 75; ++x) {
        const COLORREF want = GetPixel(expected.dc(), x, y);
        ink += want == kText;
        if (y == 0) continue;  // the row line above the label
        differences += At(100 + x, 90 + 40 * row + y) != want;
      }
    }
    EXPECT_GT(ink, 10);
    EXPECT_EQ(differences, 0);
  }
  SelectObject(expected.dc(), old);
  DeleteObject(font);
}

}  // namespace
