#include "gfx/gfx_tbl.h"

#include "app/kalyx.h"
#include "gfx/gfx_dc.h"

namespace {

constexpr const char* kScaleLabels[] = {"015", "028", "043", "057", "074"};
constexpr int kRowPitch = 40;
constexpr int kScaleX = 75;  // the vertical line, and the right edge of the labels
constexpr int kRowLineLength = 100;

}  // namespace

int CGfxTbl::SetRect(const RECT& rc) {
  rect = rc;
  return 0;
}

int CGfxGridTbl::Draw(HWND hwnd, HDC hdc) {
  CGfxDc dc(hwnd, hdc);
  const auto [left, top, right, bottom] = rect;
  CGfxSel fontSel(dc, font ? font->CreateSmallFont(dc) : nullptr);
  CGfxSel pen(dc, CreatePen(PS_SOLID, 1, textRgb));
  const COLORREF oldText = SetTextColor(dc, textRgb);
  const COLORREF oldBack = SetBkColor(dc, backRgb);

  MoveToEx(dc, left + kScaleX, top, nullptr);
  LineTo(dc, left + kScaleX, bottom);
  for (int row = 1; row <= 5; ++row) {
    MoveToEx(dc, left, top + kRowPitch * row, nullptr);
    LineTo(dc, left + kRowLineLength, top + kRowPitch * row);
  }
  for (int row = 0; row < 5; ++row) {
    RECT box{left + 5, top + 41 + kRowPitch * row, left + kScaleX, top + 56 + kRowPitch * row};
    DrawTextA(dc, kScaleLabels[row], -1, &box, 0);
  }

  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  return 0;
}
