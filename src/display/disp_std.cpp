#include "display/disp_std.h"

#include <new>

#include "app/kalyx.h"
#include "display/sub_nbrs.h"
#include "gfx/gfx_dc.h"
#include "gfx/gfx_frac.h"

namespace {

constexpr int kBarHeight = 10;
constexpr int kTitleTextSlot = 16;
constexpr int kBlackSlot = 0;
constexpr int kWhiteSlot = 1;

}  // namespace

CDispStd::CDispStd(CKalyx* app) : CDisplay(app) {}

CDispStd::~CDispStd() = default;

std::array<CGfxShape*, CDispStd::kFrameShapes> CDispStd::Shapes() {
  return {&colTop,    &bendUpper,   &bendLower,      &colBlock1,    &colBlock2,      &colBlock3, &colBlock4,
          &barUpper1, &barLower1,   &barUpper2,      &barLower2,    &barUpper3,      &barLower3, &barUpper4,
          &barLower4, &ovalTopLeft, &ovalBottomLeft, &ovalTopRight, &ovalBottomRight};
}

int CDispStd::SetUp() {
  const int result = CDisplay::SetUp();
  LayOutFrame();
  return result;
}

void CDispStd::LayOutFrame() {
  const int w = width;
  const int h = height;
  const int ux = unitX;
  const int uy = unitY;
  const int y13 = GfxFrac(h, 0.13), y35 = GfxFrac(h, 0.35), y50 = GfxFrac(h, 0.5);
  const int y65 = GfxFrac(h, 0.65), y70 = GfxFrac(h, 0.7), y80 = GfxFrac(h, 0.8);
  const int y135 = GfxFrac(h, 0.135);
  const int x05 = GfxFrac(w, 0.05), x17 = GfxFrac(w, 0.17), x35 = GfxFrac(w, 0.35);
  const int x45 = GfxFrac(w, 0.45), x50 = GfxFrac(w, 0.5), x70 = GfxFrac(w, 0.7);
  const int x72 = GfxFrac(w, 0.72), x95 = GfxFrac(w, 0.95), x99 = GfxFrac(w, 0.99);

  colTop.SetRect(RECT{x05, 0, x17, y13});
  const CGfxBendDims arms{x17 - x05, kBarHeight};
  bendUpper.SetRect(RECT{x05, y13 + uy, x45, y35}, arms);
  bendLower.SetRect(RECT{x05, y35 + uy, x45, y50}, arms);
  colBlock1.SetRect(RECT{x05, y50 + uy, x17, y65});
  colBlock2.SetRect(RECT{x05, y65 + uy, x17, y70});
  colBlock3.SetRect(RECT{x05, y70 + uy, x17, y80});
  colBlock4.SetRect(RECT{x05, y80 + uy, x17, h});

  // The bend arms continue as two rows of bars, ux apart; the second lower bar is half height.
  const int upperTop = y35 - kBarHeight;
  const int lowerTop = y35 + uy;
  barUpper1.SetRect(RECT{x45 + ux, upperTop, x50, y35});
  barUpper2.SetRect(RECT{x50 + ux, upperTop, x70, y35});
  barUpper3.SetRect(RECT{x70 + ux, upperTop, x95, y35});
  barUpper4.SetRect(RECT{x95 + ux, upperTop, x99, y35});
  barLower1.SetRect(RECT{x45 + ux, lowerTop, x50, lowerTop + kBarHeight});
  barLower2.SetRect(RECT{x50 + ux, lowerTop, x70, lowerTop + kBarHeight / 2});
  barLower3.SetRect(RECT{x70 + ux, lowerTop, x95, lowerTop + kBarHeight});
  barLower4.SetRect(RECT{x95 + ux, lowerTop, x99, lowerTop + kBarHeight});

  LayOutOvals(x72, x99, y135, y35);
  // The title spans from 35 % of the client's right edge; here that edge is the width.
  rcTitle = RECT{x35, 4 * uy, w - 8 * ux, y13 + uy};
  rcUpper = RECT{x17 + 5 * ux, y13, x70 - 3 * ux, y35 - kBarHeight - 3 * uy};
  rcLower = RECT{x17 + 5 * ux, y35 + uy + 2 * kBarHeight, x99, h};
}

void CDispStd::LayOutOvals(int x72, int x99, int y135, int y35) {
  const int ux = unitX;
  const int uy = unitY;
  rcOvals = RECT{x72, y135, x99, y35 - kBarHeight - 5 * uy};
  const int bottom = rcOvals.bottom;
  const int ow = (x99 - x72 - 3 * ux) / 2;
  const int oh = (bottom - y135 - 3 * uy) / 2;
  ovalTopLeft.SetRect(RECT{x72, y135, x72 + ow, y135 + oh});
  ovalBottomLeft.SetRect(RECT{x72, bottom - oh, x72 + ow, bottom});
  ovalTopRight.SetRect(RECT{x99 - ow, y135, x99, y135 + oh});
  ovalBottomRight.SetRect(RECT{x99 - ow, bottom - oh, x99, bottom});
}

int CDispStd::Paint(HWND hwnd, HDC hdc) {
  CGfxDc dc(hwnd, hdc);
  DrawTitle(dc);
  for (CGfxShape* shape : Shapes()) shape->Draw(hwnd, dc);
  return 0;
}

// The title stands on a box of black in the context's default opaque mode.
int CDispStd::DrawTitle(HDC hdc) {
  if (!title || !*title || !hdc) return -1;
  HFONT font = app->CreateScreenFont(hdc);
  if (!font) return 0;
  CGfxSel fontSel(hdc, font);
  const CGfxClr* text = app->Clr(kTitleTextSlot);
  const CGfxClr* back = app->Clr(kBlackSlot);
  const COLORREF oldText = SetTextColor(hdc, text ? text->GetRGB() : GetTextColor(hdc));
  const COLORREF oldBack = SetBkColor(hdc, back ? back->GetRGB() : GetBkColor(hdc));
  DrawTextA(hdc, title, -1, &rcTitle, DT_RIGHT);
  SetTextColor(hdc, oldText);
  SetBkColor(hdc, oldBack);
  return 0;
}

void CDispStd::ColorFrame(const int (&slots)[kFrameShapes]) {
  const auto shapes = Shapes();
  for (int i = 0; i < kFrameShapes; ++i) shapes[i]->SetColor(app->Clr(slots[i]), nullptr);
}

int CDispStd::AddCycle(CGfxShape* shape, std::initializer_list<CCycleStep> steps) {
  auto* cycle = new (std::nothrow) CAnimShp(app, shape);
  if (!cycle) return -991;
  for (const CCycleStep& step : steps) {
    if (cycle->AddStep(step.ticks, app->Clr(step.slot)) != 0) {
      delete cycle;
      return -991;
    }
  }
  return animList.Add(cycle);
}

int CDispStd::SetUpUpperPanel(CSubNbrs* upper, const char* upperError) {
  int e = upper ? 0 : -1;
  if (e == 0) {
    upper->RegisterClass();  // fails harmlessly after the first screen
    e = upper->SetRect(rcUpper);
    if (e == 0) e = upper->SetColors(app->Clr(kWhiteSlot), app->Clr(kBlackSlot));
    if (e == 0) e = upper->Create(0, 0);
    if (e == 0) e = upper->SetUp();
  }
  if (e != 0) {
    CKalyx::WriteTrace(upperError);
    return -1;
  }
  return 0;
}

int CDispStd::SetUpLowerPanel(CSubDisp* lower, int upperResult) {
  int e = upperResult;
  if (!lower) e = -1;
  if (e == 0) {
    lower->RegisterClass();
    e = lower->SetRect(rcLower);
    if (e == 0) e = lower->Create(0, 0);
    if (e == 0) e = lower->SetUp();
  }
  if (e != 0) {
    CKalyx::WriteTrace("\nError setting up lower sub display");
    return -1;
  }
  return 0;
}

void CDispStd::StepAnimations(int step) {
  if (step != 2) return;
  animList.ForEach([](CAnimShp& cycle) { cycle.Step(); });
}
