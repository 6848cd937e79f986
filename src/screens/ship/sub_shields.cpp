#include "screens/ship/sub_shields.h"

#include <cmath>
#include <initializer_list>
#include <new>

#include "app/kalyx.h"
#include "gfx/gfx_dc.h"
#include "gfx/gfx_frac.h"

bool CSubShields::bRepaintDue = false;

namespace {

constexpr int kBlackSlot = 0;
constexpr int kWhiteSlot = 1;
constexpr int kCyanSlot = 4;
constexpr int kRingPen = 2;
constexpr int kScanStepX = 20;
constexpr int kScanStepY = 15;
constexpr double kFlatRing = 0.01;  // below this |cos| a ring would vanish; it stays 4 px thick

void FillWith(HDC hdc, const RECT& rc, const CGfxClr* clr) {
  HBRUSH brush = clr ? clr->MakeBrush() : nullptr;
  if (!brush) return;
  FillRect(hdc, &rc, brush);
  DeleteObject(brush);
}

void Arc(HDC hdc, const RECT& box, POINT start, POINT end) {
  ::Arc(hdc, box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y);
}

// An offset that overshoots its range stops at the edge and turns back.
void Bounce(int& offset, int& step, int range) {
  offset += step;
  if (offset > range) {
    offset = range;
    step = -step;
  } else if (offset < 0) {
    offset = 0;
    step = -step;
  }
}

}  // namespace

CSubShields::CSubShields(CKalyx* app) : CSubDisp(app) {
  ship = new (std::nothrow) CImgShipTop;
}

CSubShields::~CSubShields() {
  delete ship;
  ship = nullptr;
  DeleteLayers();
}

void CSubShields::DeleteLayers() {
  if (hdcLayerA && hbmLayerA) {
    SelectObject(hdcLayerA, hbmOldA);
    DeleteObject(hbmLayerA);
    DeleteDC(hdcLayerA);
  }
  if (hdcLayerB && hbmLayerB) {
    SelectObject(hdcLayerB, hbmOldB);
    DeleteObject(hbmLayerB);
    DeleteDC(hdcLayerB);
  }
  hdcLayerA = hdcLayerB = nullptr;
  hbmLayerA = hbmLayerB = nullptr;
}

int CSubShields::Animate(int /*step*/) {
  if (!bRepaintDue) {
    bRepaintDue = true;
    return 0;
  }
  bRepaintDue = false;
  HDC hdc = GetDC(hwnd);
  Paint(hwnd, hdc);
  ReleaseDC(hwnd, hdc);
  return 0;
}

int CSubShields::SetUp() {
  CSubDisp::SetUp();
  GetClientRect(hwnd, &rcClient);
  if (ship) {
    RECT frame = rcClient;
    InflateRect(&frame, GfxFrac(rcClient.right - rcClient.left, -0.1), 0);
    ship->LayOut(frame);
    ship->SetColor(app->Clr(kCyanSlot), app->Clr(kBlackSlot));
    rcShield = *ship->GetRect();
    const int w = rcShield.right - rcShield.left;
    const int h = rcShield.bottom - rcShield.top;
    InflateRect(&rcShield, GfxFrac(w, 0.06), GfxFrac(h, 0.3));
    OffsetRect(&rcShield, GfxFrac(w, -0.02), 0);
    shieldWidth = rcShield.right - rcShield.left;
    shieldHeight = rcShield.bottom - rcShield.top;
    shieldHalfWidth = shieldWidth / 2;
    shieldHalfHeight = shieldHeight / 2;
    shieldX = static_cast<int>(rcShield.left + 0.5L * shieldWidth);
    shieldY = static_cast<int>(rcShield.top + 0.5L * shieldHeight);
  }
  rcScan = rcShield;
  InflateRect(&rcScan, GfxFrac(shieldWidth, 0.03), GfxFrac(shieldHeight, 0.05));
  scanWidth = rcScan.right - rcScan.left;
  scanHeight = rcScan.bottom - rcScan.top;
  scanStepX = kScanStepX;
  scanStepY = kScanStepY;
  return 0;
}

int CSubShields::StepShields() {
  StepRings();
  StepScans();
  return 0;
}

void CSubShields::StepRings() {
  angleV += stepV;
  if (angleV >= fullTurn) angleV -= fullTurn;
  angleH += stepH;
  if (angleH >= fullTurn) angleH -= fullTurn;
  cosV = std::cos(angleV);
  tanV = std::tan(angleV);
  cosH = std::cos(angleH);
  tanH = std::tan(angleH);

  // Both insets go past the middle, so each box's edges cross: the ring is the ellipse of the
  // rectangle they span, |cos| of the half-size wide. Only the vertical ring's cosine picks the
  // formula for both, which changes whether the horizontal box is crossed, not its extent.
  const long double termV = cosV > 0 ? cosV : -cosV;
  const long double termH = cosV > 0 ? cosH : -cosH;
  const int k1 = static_cast<int>(shieldHalfWidth * (1 + termV));
  const int k2 = static_cast<int>(shieldHalfHeight * (1 + termH));
  rcRingV = RECT{rcShield.left + k1, rcShield.top, rcShield.right - k1, rcShield.bottom};
  rcRingH = RECT{rcShield.left, rcShield.top + k2, rcShield.right, rcShield.bottom - k2};
  if (-kFlatRing < cosV && cosV < kFlatRing) {
    rcRingV.left = shieldX - 2;
    rcRingV.right = shieldX + 2;
  }
  if (-kFlatRing < cosH && cosH < kFlatRing) {
    rcRingH.top = shieldY - 2;
    rcRingH.bottom = shieldY + 2;
  }
}

void CSubShields::StepScans() {
  Bounce(scanX, scanStepX, scanWidth);
  Bounce(scanY, scanStepY, scanHeight);
}

int CSubShields::BuildShipLayers(HWND hwnd, HDC hdc) {
  if (hdcLayerA) return 0;
  if (!ship) return -1;
  RECT rc;
  GetClientRect(hwnd, &rc);
  const int cw = rc.right - rc.left;
  const int ch = rc.bottom - rc.top;
  HDC dcA = CreateCompatibleDC(hdc);
  HDC dcB = CreateCompatibleDC(hdc);
  HBITMAP bmA = CreateCompatibleBitmap(hdc, cw, ch);
  HBITMAP bmB = CreateCompatibleBitmap(hdc, cw, ch);
  HBRUSH black = app->Clr(kBlackSlot) ? app->Clr(kBlackSlot)->MakeBrush() : nullptr;
  HBRUSH white = app->Clr(kWhiteSlot) ? app->Clr(kWhiteSlot)->MakeBrush() : nullptr;
  const bool made = dcA && dcB && bmA && bmB && black && white;
  if (made) {
    hdcLayerA = dcA;
    hbmLayerA = bmA;
    hbmOldA = SelectObject(dcA, bmA);
    hdcLayerB = dcB;
    hbmLayerB = bmB;
    hbmOldB = SelectObject(dcB, bmB);
    FillRect(dcA, &rc, black);
    FillRect(dcB, &rc, white);
  } else {
    for (HDC dc : {dcA, dcB})
      if (dc) DeleteDC(dc);
    for (HBITMAP bm : {bmA, bmB})
      if (bm) DeleteObject(bm);
  }
  for (HBRUSH brush : {black, white})
    if (brush) DeleteObject(brush);
  if (!made) return -1;
  ship->Draw(hwnd, hdcLayerA);
  ship->Draw(hwnd, hdcLayerB);
  return 0;
}

int CSubShields::Paint(HWND hwnd, HDC hdcGiven) {
  CGfxDc hdc(hwnd, hdcGiven);
  RECT rc;
  GetClientRect(hwnd, &rc);
  const int cw = rc.right - rc.left;
  const int ch = rc.bottom - rc.top;
  const CGfxClr* white = app->Clr(kWhiteSlot);
  HDC mem = CreateCompatibleDC(hdc);
  HPEN pen = white ? white->MakePen(kRingPen) : nullptr;
  HBITMAP bitmap = CreateCompatibleBitmap(hdc, cw, ch);
  if (!mem || !pen || !bitmap) {
    if (pen) DeleteObject(pen);
    if (bitmap) DeleteObject(bitmap);
    if (mem) DeleteDC(mem);
    return -1;
  }
  HGDIOBJ oldBrush = SelectObject(mem, GetStockObject(NULL_BRUSH));
  HGDIOBJ oldPen = SelectObject(mem, pen);
  HGDIOBJ oldBitmap = SelectObject(mem, bitmap);
  FillWith(mem, rc, app->Clr(kBlackSlot));

  int result = ship ? 0 : -1;
  if (result == 0 && !hdcLayerA) result = BuildShipLayers(hwnd, hdc);
  if (result == 0) {
    StepShields();
    DrawRearHalves(hwnd, mem);
    BitBlt(mem, 0, 0, cw, ch, hdcLayerB, 0, 0, SRCAND);
    BitBlt(mem, 0, 0, cw, ch, hdcLayerA, 0, 0, SRCPAINT);
    DrawShieldOutline(hwnd, mem);
  }
  if (ship) {
    result = ship->Draw(hwnd, mem);
    if (result == 0) DrawFrontHalves(hwnd, mem);
  }
  BitBlt(hdc, 0, 0, cw, ch, mem, 0, 0, SRCCOPY);
  SelectObject(mem, oldBrush);
  SelectObject(mem, oldPen);
  SelectObject(mem, oldBitmap);
  DeleteObject(pen);
  DeleteObject(bitmap);
  DeleteDC(mem);
  return result;
}

int CSubShields::DrawRearHalves(HWND /*hwnd*/, HDC hdc) {
  const RECT& v = rcRingV;
  const RECT& h = rcRingH;
  if (tanV < 0) {
    Arc(hdc, v, POINT{shieldX, v.bottom}, POINT{shieldX, v.top});
  } else {
    Arc(hdc, v, POINT{shieldX, v.top}, POINT{shieldX, v.bottom});
  }
  if (tanH < 0) {
    Arc(hdc, h, POINT{h.left, shieldY}, POINT{h.right, shieldY});
  } else {
    Arc(hdc, h, POINT{h.right, shieldY}, POINT{h.left, shieldY});
  }
  return 0;
}

int CSubShields::DrawShieldOutline(HWND /*hwnd*/, HDC hdc) {
  Ellipse(hdc, rcShield.left, rcShield.top, rcShield.right, rcShield.bottom);
  return 0;
}

int CSubShields::DrawFrontHalves(HWND /*hwnd*/, HDC hdc) {
  const RECT& v = rcRingV;
  const RECT& h = rcRingH;
  if (tanV < 0) {
    Arc(hdc, v, POINT{shieldX, v.top}, POINT{shieldX, v.bottom});
  } else {
    Arc(hdc, v, POINT{shieldX, v.bottom}, POINT{shieldX, v.top});
  }
  if (tanH < 0) {
    Arc(hdc, h, POINT{h.right, shieldY}, POINT{h.left, shieldY});
  } else {
    Arc(hdc, h, POINT{h.left, shieldY}, POINT{h.right, shieldY});
  }
  MoveToEx(hdc, rcScan.left + scanX, rcScan.top, nullptr);
  LineTo(hdc, rcScan.left + scanX, rcScan.bottom);
  MoveToEx(hdc, rcScan.left, rcScan.top + scanY, nullptr);
  LineTo(hdc, rcScan.right, rcScan.top + scanY);
  return 0;
}
