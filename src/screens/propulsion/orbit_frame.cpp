#include "screens/propulsion/orbit_frame.h"

#include "gfx/gfx_frac.h"

CFrame::CFrame(CKalyx* app, const CPoint3d* eye)
    : CGfxSprt3d(eye), app(app), leftBrace(app, CBrace::kOpening), rightBrace(app, CBrace::kClosing) {}

int CFrame::Draw(HWND hwnd, HDC hdc) {
  if (eye && eye->z > pos.z) return 1;
  const HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));
  int result = Project();
  if (result == 0) {
    rect = RECT{pos.x - half.x, pos.y - half.y, pos.x + half.x, pos.y + half.y};
    const int b = GfxFrac(rect.right - rect.left, 0.1);
    leftBrace.SetRect(RECT{rect.left, rect.top, rect.left + b, rect.bottom});
    result = leftBrace.Draw(hwnd, hdc);
    rightBrace.SetRect(RECT{rect.right - b, rect.top, rect.right, rect.bottom});
    result = rightBrace.Draw(hwnd, hdc);
  }
  if (oldBrush) SelectObject(hdc, oldBrush);
  return result;
}
