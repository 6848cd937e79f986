#include "screens/ship/disp_medical.h"

#include <new>

#include "app/kalyx.h"
#include "gfx/gfx_dc.h"
#include "gfx/gfx_frac.h"

bool CDispMedical::bPanelsShown = false;

namespace {

constexpr int kBlackSlot = 0;
constexpr int kCyanSlot = 4;

// Colour slot of each frame shape, in the order of CDispStd::Shapes.
constexpr int kShapeSlots[CDispStd::kFrameShapes] = {
    20,              // colTop
    19, 12,          // bendUpper, bendLower
    12, 16, 16, 16,  // colBlock1 to colBlock4
    20, 12,          // barUpper1, barLower1
    20, 12,          // barUpper2, barLower2
    20, 12,          // barUpper3, barLower3
    20, 12,          // barUpper4, barLower4
    20, 17, 13, 12,  // ovalTopLeft, ovalBottomLeft, ovalTopRight, ovalBottomRight
};

// Colour slot of each bracket shape, in the order of BracketShapes.
constexpr int kBracketSlots[CDispMedical::kBracketShapes] = {
    17,  // upper bend
    17,  // upper end cap
    19,  // vertical bar
    17,  // lower bend
    17,  // lower end cap
};

// The bracket's vertical arm is 25 pixels wide, its horizontal arms and end caps 10 high.
constexpr CGfxBendDims kBracketArms{25, 10};
constexpr int kCap = 10;
constexpr int kBendHeight = 35;
constexpr int kBarInset = 40;
constexpr int kPanelGap = 10;  // between the molecule panel and the scan field

// base + size x frac, in extended precision, truncated toward zero.
int Offset(int base, int size, double frac) {
  return static_cast<int>(base + static_cast<long double>(size) * static_cast<long double>(frac));
}

}  // namespace

CDispMedical::CDispMedical(CKalyx* app) : CDispStd(app) {
  id = kId;
  title = "BIOMOLECULAR SCAN";
  subUpper = new (std::nothrow) CSubNbrs(app);
  subLower = new (std::nothrow) CSubMolecule(app);
  subScan = new (std::nothrow) CSubNbrs(app);
}

CDispMedical::~CDispMedical() {
  delete subUpper;
  delete subLower;
  delete subScan;
  delete helix;
}

std::array<CGfxShape*, CDispMedical::kBracketShapes> CDispMedical::BracketShapes() {
  return {&bracketBendUpper, &bracketCapUpper, &bracketBar, &bracketBendLower, &bracketCapLower};
}

int CDispMedical::SetUp() {
  const int frameResult = CDispStd::SetUp();
  ColorFrame(kShapeSlots);
  const auto bracket = BracketShapes();
  for (int i = 0; i < kBracketShapes; ++i) bracket[i]->SetColor(app->Clr(kBracketSlots[i]), nullptr);
  AddColourCycles();
  LayOutBracket();
  const int result = MakeStillHelix(frameResult);
  return SetUpPanels() != 0 ? -1 : result;
}

void CDispMedical::AddColourCycles() {
  if (app->ClrCd == CKalyx::kHighColor) {
    AddCycle(&colBlock3, {{2, 20}, {1, 17}, {3, 16}});
    AddCycle(&ovalBottomRight, {{3, 0}, {2, 12}, {4, 20}});
  } else {
    AddCycle(&colBlock3, {{2, 9}, {3, 11}});
    AddCycle(&ovalBottomRight, {{3, 0}, {2, 12}, {4, 11}});
  }
}

// The scan field takes the right part of the lower panel area, and the bracket frames its left
// side: two bends with end caps at the top and bottom, a bar between them.
void CDispMedical::LayOutBracket() {
  const RECT& l = rcLower;
  const int w = l.right - l.left;
  const int h = l.bottom - l.top;
  rcScan = RECT{Offset(l.left, w, 0.6), Offset(l.top, h, 0.05), Offset(l.right, w, -0.02),
                Offset(l.bottom, h, -0.3)};
  const RECT& f = rcScan;
  bracketCapUpper.SetRect(RECT{f.right - kCap, f.top, f.right, f.top + kCap});
  bracketBendUpper.SetRect(RECT{f.left, f.top, f.right - kCap, f.top + kBendHeight}, kBracketArms);
  bracketCapLower.SetRect(RECT{f.right - kCap, f.bottom - kCap, f.right, f.bottom});
  bracketBendLower.SetRect(RECT{f.left, f.bottom - kBendHeight, f.right - kCap, f.bottom}, kBracketArms);
  bracketBar.SetRect(RECT{f.left, f.top + kBarInset, f.left + kBracketArms.armWidth, f.bottom - kBarInset});
  scanWidth = f.right - f.left;
  scanHeight = f.bottom - f.top;
}

int CDispMedical::MakeStillHelix(int frameResult) {
  helix = new (std::nothrow) CMolecule(app, kStillAtoms, GfxFrac(scanWidth, 0.07));
  if (!helix) return frameResult;
  RECT field = rcScan;
  field.right -= GfxFrac(scanWidth, 0.1);
  return helix->LayOut(field);
}

// Upper, molecule and scan numbers panel in turn; each one that fails, or follows one that did,
// writes its own message.
int CDispMedical::SetUpPanels() {
  const int h = rcLower.bottom - rcLower.top;
  if (subScan) {
    subScan->RegisterClass();
    subScan->SetRect(RECT{rcScan.left, Offset(rcScan.bottom, h, 0.03), rcScan.right, rcLower.bottom});
    subScan->SetColors(app->Clr(kCyanSlot), app->Clr(kBlackSlot));
  }
  const int upper = SetUpUpperPanel(subUpper, "\nError setting up upper sub display");
  RECT molecule = rcLower;
  molecule.right = rcScan.left - kPanelGap;
  const int lower = SetUpLowerPanel(subLower, upper, molecule);
  const int scan = SetUpNextPanel(subScan, lower, "\nError setting up numbers 3 sub display");
  return upper != 0 || lower != 0 || scan != 0 ? -1 : 0;
}

int CDispMedical::Animate(int step) {
  if (subUpper) subUpper->Animate(step);
  if (subLower) subLower->Animate(step);
  if (subScan) subScan->Animate(step == 2 ? 2 : 1);
  StepAnimations(step);
  return 0;
}

int CDispMedical::Paint(HWND hwnd, HDC hdc) {
  CGfxDc dc(hwnd, hdc);
  const int result = CDispStd::Paint(hwnd, dc);
  HideOutsideScanField(dc);
  for (CGfxShape* shape : BracketShapes()) shape->Draw(hwnd, dc);
  if (!bPanelsShown) {
    bPanelsShown = true;
    for (CSubDisp* panel : {static_cast<CSubDisp*>(subUpper), static_cast<CSubDisp*>(subLower),
                            static_cast<CSubDisp*>(subScan)}) {
      if (panel && panel->hwnd) ShowWindow(panel->hwnd, SW_SHOW);
    }
  }
  return result;
}

// The still helix runs past the scan field at both ends; black bands above and below the field,
// as wide as it, hide the atoms that stand outside.
void CDispMedical::HideOutsideScanField(HDC hdc) {
  HBRUSH black = app->Clr(kBlackSlot)->MakeBrush();
  CGfxSel pen(hdc, app->Clr(kCyanSlot)->MakePen(1));
  CGfxSel brush(hdc, black);
  if (helix) helix->Draw(nullptr, hdc);
  const RECT above{rcScan.left, rcLower.top, rcScan.right, rcScan.top};
  const RECT below{rcScan.left, rcScan.bottom, rcScan.right, rcLower.bottom};
  FillRect(hdc, &above, black);
  FillRect(hdc, &below, black);
}
