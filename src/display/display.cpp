#include "display/display.h"

#include "app/kalyx.h"
#include "gfx/gfx_frac.h"

namespace {

// Small screens still keep visible gaps between the frame's parts.
constexpr int kMinUnit = 3;

int Unit(int size, double frac) {
  const int unit = GfxFrac(size, frac);
  return unit < kMinUnit ? kMinUnit : unit;
}

}  // namespace

CDisplay::CDisplay(CKalyx* app) : BGuiObj(app), app(app) {}

int CDisplay::Animate(int /*step*/) {
  return 0;
}

int CDisplay::SetUp() {
  RECT client{0, 0, 0, 0};
  GetClientRect(app->hwndMain, &client);
  width = client.right - client.left;
  height = client.bottom - client.top;
  unitX = Unit(width, 0.0047);
  unitY = Unit(height, 0.0065);
  return 0;
}

int CDisplay::Paint(HWND /*hwnd*/, HDC /*hdc*/) {
  return 0;
}
