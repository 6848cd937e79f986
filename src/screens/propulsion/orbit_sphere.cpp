#include "screens/propulsion/orbit_sphere.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <numbers>

#include "app/kalyx.h"
#include "gfx/gfx_dc.h"

namespace {

constexpr int kCyanSlot = 4;
constexpr int kOutlinePen = 2;
constexpr int kMargin = 2;  // the outline's thick pen stays inside the square

}  // namespace

CSphere::CSphere(CKalyx* app, int meridians, int parallels)
    : CGfxSprt3d(nullptr),
      app(app),
      meridianCount(std::max(0, meridians)),
      parallelCount(std::max(0, parallels)) {}

CSphere::~CSphere() {
  DestroyGrid();
}

void CSphere::DestroyGrid() {
  if (meridians) {
    for (int i = 0; i < meridianCount; ++i) delete meridians[i];
    delete[] meridians;
    meridians = nullptr;
  }
  if (parallels) {
    for (int i = 0; i < parallelCount; ++i) delete parallels[i];
    delete[] parallels;
    parallels = nullptr;
  }
}

int CSphere::SetColor(CGfxClr* color, CGfxClr* color2) {
  clr = color;
  clr2 = color2;
  return 0;
}

int CSphere::SetRect(const RECT& rc) {
  DestroyGrid();
  const double tiltRad = tilt * std::numbers::pi / 180;
  cosTilt = std::cos(tiltRad);
  sinTilt = std::sin(tiltRad);
  tanTilt = std::tan(tiltRad);
  rect = rc;
  halfW = (rc.right - rc.left) / 2;
  halfH = (rc.bottom - rc.top) / 2;
  cx = rc.left + halfW;
  cy = rc.top + halfH;
  // A square too small for the outline's margin gives a sphere of no size, not a negative one.
  radius = std::max(0, std::min(halfW, halfH) - kMargin);
  outline = RECT{cx - radius, cy - radius, cx + radius, cy + radius};
  int result = BuildMeridians();
  if (result == 0) result = BuildParallels();
  return result;
}

int CSphere::BuildMeridians() {
  meridians = new (std::nothrow) CGridSphrV*[meridianCount]();
  if (!meridians) return -991;
  const int step = meridianCount > 0 ? 360 / meridianCount : 0;
  for (int i = 0; i < meridianCount; ++i) {
    meridians[i] = new (std::nothrow) CGridSphrV(app, this);
    if (!meridians[i]) return -1;
    meridians[i]->SetAngle(i * step);
  }
  return 0;
}

// Evenly spaced strictly between the poles.
int CSphere::BuildParallels() {
  parallels = new (std::nothrow) CGridSphrH*[parallelCount]();
  if (!parallels) return -991;
  const int spacing = static_cast<int>(2LL * radius / (parallelCount + 1LL));
  for (int i = 0; i < parallelCount; ++i) {
    parallels[i] = new (std::nothrow) CGridSphrH(app, this);
    if (!parallels[i]) return -1;
    parallels[i]->SetOffset(-radius + (i + 1) * spacing);
  }
  return 0;
}

int CSphere::Draw(HWND hwnd, HDC hdc) {
  const CGfxClr* cyan = app ? app->Clr(kCyanSlot) : nullptr;
  if (!cyan) return 0;
  CGfxDc dc(hwnd, hdc);
  {
    CGfxSel pen(dc, cyan->MakePen(kOutlinePen));
    Ellipse(dc, outline.left, outline.top, outline.right, outline.bottom);
  }
  CGfxSel pen(dc, cyan->MakePen(1));
  for (int i = 0; meridians && i < meridianCount; ++i)
    if (meridians[i] && meridians[i]->sinAngle > 0) meridians[i]->DrawArc(dc);
  for (int i = 0; parallels && i < parallelCount; ++i)
    if (parallels[i]) parallels[i]->DrawArc(dc);
  return 0;
}

int CSphere::RotateAbout(const CPoint3d* angles, const CPoint3d* /*pivot*/) {
  if (!angles) return 0;
  for (int i = 0; angles->y != 0 && meridians && i < meridianCount; ++i)
    if (meridians[i]) meridians[i]->Turn(angles->y);
  for (int i = 0; angles->x != 0 && parallels && i < parallelCount; ++i)
    if (parallels[i]) parallels[i]->Tilt(angles->x);
  return 0;
}
