#include "screens/ship/sub_molecule.h"

#include <new>

#include "app/kalyx.h"
#include "gfx/gfx_dc.h"
#include "gfx/gfx_frac.h"

namespace {

constexpr int kBlackSlot = 0;
constexpr int kCyanSlot = 4;
constexpr int kOutlineWidth = 2;
constexpr double kRadiusOfWidth = 0.17;

}  // namespace

CSubMolecule::~CSubMolecule() {
  ReleaseBack();
  delete molecule;
}

bool CSubMolecule::PrepareBack(HDC hdc, int width, int height) {
  if (hdcBack && width == backWidth && height == backHeight) return true;
  ReleaseBack();
  hdcBack = CreateCompatibleDC(hdc);
  hbmBack = CreateCompatibleBitmap(hdc, width, height);
  if (!hdcBack || !hbmBack) {
    ReleaseBack();
    return false;
  }
  hbmOld = SelectObject(hdcBack, hbmBack);
  backWidth = width;
  backHeight = height;
  return true;
}

void CSubMolecule::ReleaseBack() {
  if (hbmOld) SelectObject(hdcBack, hbmOld);
  if (hbmBack) DeleteObject(hbmBack);
  if (hdcBack) DeleteDC(hdcBack);
  hdcBack = nullptr;
  hbmBack = nullptr;
  hbmOld = nullptr;
  backWidth = backHeight = 0;
}

int CSubMolecule::SetUp() {
  const int result = CSubDisp::SetUp();
  if (result != 0) return result;
  RECT client{0, 0, 0, 0};
  GetClientRect(hwnd, &client);
  const int r = GfxFrac(client.right - client.left, kRadiusOfWidth);
  client.top -= r;
  molecule = new (std::nothrow) CMolecule(app, kAtoms, r);
  if (!molecule) return -991;
  return molecule->LayOut(client);
}

// A panel whose window could not be made has nothing to paint on: the window's context of a null
// window would be the whole screen's.
int CSubMolecule::Animate(int /*step*/) {
  if (!hwnd) return 0;
  HDC hdc = GetDC(hwnd);
  int result = molecule ? molecule->TurnAll(10) : 0;
  if (result == 0) result = Paint(hwnd, hdc);
  ReleaseDC(hwnd, hdc);
  return result;
}

int CSubMolecule::Paint(HWND hwnd, HDC hdc) {
  RECT client{0, 0, 0, 0};
  GetClientRect(hwnd, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  CGfxDc dc(hwnd, hdc);
  if (!PrepareBack(dc, width, height)) return -1;
  HDC back = hdcBack;
  HBRUSH black = app->Clr(kBlackSlot)->MakeBrush();
  CGfxSel brush(back, black);
  CGfxSel pen(back, app->Clr(kCyanSlot)->MakePen(kOutlineWidth));
  FillRect(back, &client, black);
  const int result = molecule ? molecule->Draw(hwnd, back) : 0;
  BitBlt(dc, 0, 0, width, height, back, 0, 0, SRCCOPY);
  return result;
}
