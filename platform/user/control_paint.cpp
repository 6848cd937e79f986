#include "user/control_paint.h"

namespace kx {

void fillSolid(HDC hdc, const RECT& rect, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(hdc, &rect, brush);
  DeleteObject(brush);
}

void drawLine(HDC hdc, int x1, int y1, int x2, int y2, COLORREF color) {
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ old = SelectObject(hdc, pen);
  MoveToEx(hdc, x1, y1, nullptr);
  LineTo(hdc, x2, y2);
  SelectObject(hdc, old);
  DeleteObject(pen);
}

void drawFrame(HDC hdc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
  if (rect.right - rect.left < 2 || rect.bottom - rect.top < 2) return;
  // LineTo leaves out its end point, so each edge runs one pixel past the corner it ends at.
  drawLine(hdc, rect.left, rect.bottom - 2, rect.left, rect.top - 1, topLeft);
  drawLine(hdc, rect.left, rect.top, rect.right - 1, rect.top, topLeft);
  drawLine(hdc, rect.left, rect.bottom - 1, rect.right, rect.bottom - 1, bottomRight);
  drawLine(hdc, rect.right - 1, rect.top, rect.right - 1, rect.bottom - 1, bottomRight);
}

RECT drawBevel(HDC hdc, const RECT& rect, Bevel bevel) {
  RECT inner = rect;
  switch (bevel) {
    case Bevel::Raised:
      drawFrame(hdc, inner, kHighlightColor, kDarkShadowColor);
      InflateRect(&inner, -1, -1);
      drawFrame(hdc, inner, kFaceColor, kShadowColor);
      break;
    case Bevel::Sunken:
      drawFrame(hdc, inner, kShadowColor, kHighlightColor);
      InflateRect(&inner, -1, -1);
      drawFrame(hdc, inner, kDarkShadowColor, kFaceColor);
      break;
    case Bevel::Pressed:
      drawFrame(hdc, inner, kDarkShadowColor, kHighlightColor);
      InflateRect(&inner, -1, -1);
      drawFrame(hdc, inner, kShadowColor, kFaceColor);
      break;
  }
  InflateRect(&inner, -1, -1);
  return inner;
}

void drawControlText(HDC hdc, HFONT font, const char* text, RECT rect, UINT format, COLORREF color) {
  if (!text || !*text) return;
  HGDIOBJ oldFont = font ? SelectObject(hdc, font) : nullptr;
  int oldMode = SetBkMode(hdc, TRANSPARENT);
  COLORREF oldColor = SetTextColor(hdc, color);
  DrawTextA(hdc, text, -1, &rect, format);
  SetTextColor(hdc, oldColor);
  SetBkMode(hdc, oldMode);
  if (oldFont) SelectObject(hdc, oldFont);
}

}  // namespace kx
