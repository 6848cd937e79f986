#include "screens/propulsion/orbit_brace.h"

#include "app/kalyx.h"
#include "gfx/gfx_frac.h"

namespace {

constexpr int kGoldSlot = 17;
constexpr int kThinnestStroke = 2;

// Quarter-round orientations: 1 bottom-left, 2 top-right, 3 top-left, 4 bottom-right.
int TopOrientation(int kind) {
  return kind == CBrace::kClosing ? 2 : 3;
}
int BottomOrientation(int kind) {
  return kind == CBrace::kClosing ? 4 : 1;
}

}  // namespace

CBrace::CBrace(CKalyx* app, int kind)
    : app(app), kind(kind), topCorner(TopOrientation(kind)), bottomCorner(BottomOrientation(kind)) {
  CGfxClr* gold = app ? app->Clr(kGoldSlot) : nullptr;
  SetColor(gold, nullptr);
  bar.SetColor(gold, nullptr);
  topCorner.SetColor(gold, nullptr);
  bottomCorner.SetColor(gold, nullptr);
}

void CBrace::SetRect(const RECT& rc) {
  rect = rc;
  const int w = rc.right - rc.left;
  int pen = GfxFrac(w, 0.4);
  cornerHeight = w;
  if (pen < kThinnestStroke) {
    pen = kThinnestStroke;
    cornerHeight = 0;
  }
  const int a = cornerHeight;
  topCorner.SetRect(RECT{rc.left, rc.top, rc.right, rc.top + a}, pen);
  bottomCorner.SetRect(RECT{rc.left, rc.bottom - a, rc.right, rc.bottom}, pen);
  // A bracket lower than twice its width has overlapping corners and no bar between them.
  const int barTop = rc.top + a;
  const int barBottom = rc.bottom - a > barTop ? rc.bottom - a : barTop;
  if (kind == kClosing)
    bar.SetRect(RECT{rc.right - pen, barTop, rc.right, barBottom});
  else
    bar.SetRect(RECT{rc.left, barTop, rc.left + pen, barBottom});
}

int CBrace::Draw(HWND hwnd, HDC hdc) {
  if (cornerHeight > 0) topCorner.Draw(hwnd, hdc);
  bar.Draw(hwnd, hdc);
  if (cornerHeight > 0) bottomCorner.Draw(hwnd, hdc);
  return 0;
}
