#include "screens/ship/disp_comm.h"

#include <new>

#include "app/kalyx.h"
#include "bitmap/bmp_w.h"
#include "gfx/gfx_dc.h"
#include "gfx/gfx_frac.h"
#include "gfx/gfx_rect.h"
#include "gfx/gfx_round.h"

namespace {

constexpr int kNavySlot = 6;
constexpr int kWhiteSlot = 1;
constexpr int kBlackSlot = 0;

// The horizontal stops a to f, as fractions of the width: caps between a-b and e-f, the bar
// between c-d, so a gap of about a hundredth of the width parts each cap from its bar.
enum Stop { kA, kB, kC, kD, kE, kF, kStops };
constexpr double kStopFracs[kStops] = {0.02, 0.055, 0.065, 0.935, 0.945, 0.98};

// One piece of a bar: 0 for the bar itself, else the rounded end's side (1 left, 2 right).
struct Piece {
  int orient;
  Stop left, right;
  bool bottom;
};
constexpr Piece kPieces[CDispComm::kShapes] = {
    {1, kA, kB, false}, {0, kC, kD, false}, {2, kE, kF, false},
    {1, kA, kB, true},  {0, kC, kD, true},  {2, kE, kF, true},
};

CGfxShape* MakePiece(const Piece& piece) {
  if (piece.orient == 0) return new (std::nothrow) CGfxRect;
  return new (std::nothrow) CGfxHlfRnd(piece.orient);
}

void PlacePiece(CGfxShape* shape, const Piece& piece, const RECT& rc) {
  if (piece.orient == 0) {
    static_cast<CGfxRect*>(shape)->SetRect(rc);
  } else {
    static_cast<CGfxHlfRnd*>(shape)->SetRect(rc);
  }
}

COLORREF SlotColor(const CKalyx* app, int slot) {
  const CGfxClr* clr = app->Clr(slot);
  return clr ? clr->GetRGB() : (slot == kWhiteSlot ? RGB(255, 255, 255) : RGB(0, 0, 0));
}

}  // namespace

CDispComm::CDispComm(CKalyx* application) : CDisplay(application) {
  id = kId;
  bmpLogo = new (std::nothrow) CBmpW(application, 1);
  for (int i = 0; i < kShapes; ++i) shapes[i] = MakePiece(kPieces[i]);
}

CDispComm::~CDispComm() {
  delete bmpLogo;
  bmpLogo = nullptr;
  for (CGfxShape*& shape : shapes) {
    delete shape;
    shape = nullptr;
  }
}

int CDispComm::SetUp() {
  int result = CDisplay::SetUp();
  int stops[kStops];
  for (int i = 0; i < kStops; ++i) stops[i] = GfxFrac(width, kStopFracs[i]);
  const int t = stops[kB] - stops[kA];
  // 0.95 x 480 truncates to 455 here, not 456.
  const int y1 = GfxFrac(height, 0.05);
  const int y2 = GfxFrac(height, 0.95);
  for (int i = 0; i < kShapes; ++i) {
    if (!shapes[i]) continue;
    shapes[i]->SetColor(app ? app->Clr(kNavySlot) : nullptr, nullptr);
    const int top = kPieces[i].bottom ? y2 - t : y1;
    PlacePiece(shapes[i], kPieces[i], RECT{stops[kPieces[i].left], top, stops[kPieces[i].right], top + t});
  }
  if (bmpLogo) result = bmpLogo->Load(kLogoResource, 0);

  if (!app || !GetClientRect(app->hwndMain, &rcLogo)) rcLogo = RECT{0, 0, width, height};
  rcLogo.top = y1 + t + 1;
  rcLogo.bottom = GfxFrac(height, 0.6);
  // A logo taller than its share of the screen pushes the text down rather than being cut.
  const int logoHeight = bmpLogo ? bmpLogo->GetSize()->cy : 0;
  if (rcLogo.bottom - rcLogo.top < logoHeight) rcLogo.bottom = rcLogo.top + logoHeight;
  rcText = RECT{stops[kC], rcLogo.bottom + t, stops[kD], y2 - t};
  return result;
}

int CDispComm::Paint(HWND hwnd, HDC hdc) {
  CGfxDc dc(hwnd, hdc);
  for (int i = 0; i < kShapes / 2; ++i) {
    if (shapes[i]) shapes[i]->Draw(hwnd, dc);
  }
  if (bmpLogo) bmpLogo->Draw(dc, hwnd, &rcLogo);
  for (int i = kShapes / 2; i < kShapes; ++i) {
    if (shapes[i]) shapes[i]->Draw(hwnd, dc);
  }
  DrawMessage(hwnd, dc);
  return 0;
}

// Measured with word breaks but drawn without them, so a line wider than the area stays one line;
// the spare height goes a quarter above the text, not half.
int CDispComm::DrawMessage(HWND /*hwnd*/, HDC hdc) {
  if (!hdc || !app || !app->CommText || !*app->CommText) return -1;
  HFONT font = app->CreateScreenFont(hdc);
  if (!font) return 0;
  CGfxSel selFont(hdc, font);
  const COLORREF oldText = SetTextColor(hdc, SlotColor(app, kWhiteSlot));
  const COLORREF oldBk = SetBkColor(hdc, SlotColor(app, kBlackSlot));
  const int areaW = rcText.right - rcText.left;
  const int areaH = rcText.bottom - rcText.top;
  RECT r = rcText;
  const int h = DrawTextA(hdc, app->CommText, -1, &r, DT_CALCRECT | DT_EXTERNALLEADING | DT_WORDBREAK);
  const int w = r.right - r.left;
  if (h < areaH) {
    OffsetRect(&r, 0, GfxFrac(areaH - h, 0.25));
  } else {
    r.bottom = rcText.bottom;
  }
  if (w < areaW) {
    OffsetRect(&r, GfxFrac(areaW - w, 0.5), 0);
  } else {
    r.right = rcText.right;
  }
  DrawTextA(hdc, app->CommText, -1, &r, DT_CENTER);
  SetTextColor(hdc, oldText);
  SetBkColor(hdc, oldBk);
  return 0;
}
