#include "screens/propulsion/sub_warp.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <new>

#include "app/kalyx.h"
#include "gfx/gfx_dc.h"
#include "gfx/gfx_frac.h"
#include "screens/propulsion/warp_trunc.h"

int CSubWarp::conduitPhase = 0;
int CSubWarp::secondCount = 999;

namespace {

// Colour slots of the panel.
constexpr int kBlack = 0;
constexpr int kWhite = 1;
constexpr int kCyan = 4;
constexpr int kGold = 16;
constexpr int kStripeGaps = 25;
constexpr int kSpine = 26;

constexpr int kPhaseStep = 2;
constexpr int kPhases = 7;

constexpr char kLabels[] = "\nCoil Pair:\nField Str:\nVariance:\nTmp K:";
constexpr char kColumnFormat[] = "%s\n%2i/%2i\n%7.2f\n%5.4f\n%7.3f";

// One conduit: a hatched box and its two edge lines.
struct Conduit {
  RECT box;
  bool horizontalLines;  // HS_HORIZONTAL, else HS_VERTICAL
  POINT origin;
  POINT edges[2][2];  // from, to
};

COLORREF Rgb(const CKalyx* app, int slot) {
  const CGfxClr* clr = app->Clr(slot);
  return clr ? clr->GetRGB() : RGB(0, 0, 0);
}

// The horizontal conduit from the junction to the core, with vertical stripes; the upper one from
// the junction to the port nacelle and the lower one to the starboard nacelle, with horizontal
// stripes whose origin runs the other way in the lower one.
std::array<Conduit, 3> ConduitsOf(const CSubWarp& panel, int p) {
  const int jx = panel.junctionX, ux = panel.unitX, uy = panel.unitY, midY = panel.midY;
  const int core = panel.coreConduitEnd, port = panel.portConduitEnd, starboard = panel.starboardConduitEnd;
  return {{
      {{jx, midY - uy, core, midY + uy},
       false,
       {p, p},
       {{{core, midY - uy}, {jx + ux, midY - uy}}, {{core, midY + uy}, {jx + ux, midY + uy}}}},
      {{jx - ux, port, jx + ux, midY},
       true,
       {p, p},
       {{{jx + ux, midY - uy}, {jx + ux, port}}, {{jx - ux, midY + 1}, {jx - ux, port}}}},
      {{jx - ux, midY, jx + ux, starboard + 1},
       true,
       {p, kPhases - p},
       {{{jx + ux, starboard}, {jx + ux, midY + uy}}, {{jx - ux, starboard}, {jx - ux, midY - 1}}}},
  }};
}

}  // namespace

CSubWarp::CSubWarp(CKalyx* app) : CSubDisp(app) {}

CSubWarp::~CSubWarp() {
  DeleteFigures();
}

void CSubWarp::DeleteFigures() {
  delete core;
  core = nullptr;
  delete port;
  port = nullptr;
  delete starboard;
  starboard = nullptr;
}

int CSubWarp::CreateFigures() {
  DeleteFigures();
  core = new (std::nothrow) CImgWarpCore(app);
  if (!core) return -991;
  core->SetColor(app->Clr(kCyan), app->Clr(kBlack));
  port = new (std::nothrow) CImgWarpNacelle(app);
  if (!port) return -991;
  port->SetColor(app->Clr(kCyan), app->Clr(kBlack));
  starboard = new (std::nothrow) CImgWarpNacelle(app);
  if (!starboard) return -991;
  starboard->SetColor(app->Clr(kCyan), app->Clr(kBlack));
  return 0;
}

int CSubWarp::SetUp() {
  CSubDisp::SetUp();
  if (CreateFigures() != 0) return -991;

  clientRect = RECT{0, 0, 0, 0};
  if (hwnd) GetClientRect(hwnd, &clientRect);
  width = clientRect.right - clientRect.left;
  height = clientRect.bottom - clientRect.top;
  midY = height / 2;
  // At least two pixels, so narrow and low panels keep visible conduits and gaps.
  unitX = std::max(2, GfxFrac(width, 0.007));
  unitY = std::max(2, GfxFrac(height, 0.012));
  nacelleLength = GfxFrac(width, 0.6);
  nacelleThickness = GfxFrac(nacelleLength, 0.15);

  LayOutNacelles();
  readoutBox.left = portBox.left;
  readoutBox.top = TruncSum(portBox.bottom, nacelleThickness, 0.74);
  readoutBox.right = TruncSum(readoutBox.left, nacelleLength, 0.55);
  readoutBox.bottom = TruncSum(readoutBox.top, nacelleThickness, 1.7);
  LayOutBracket();

  core->SetRect(RECT{GfxFrac(width, 0.75), GfxFrac(height, 0.21), width, GfxFrac(height, 0.79)});
  coreBox = *core->GetRect();
  junctionX = TruncSum(portBox.left, nacelleLength, 0.7);
  coreConduitEnd = coreBox.left + unitX;
  portConduitEnd = portBox.bottom - unitY;
  starboardConduitEnd = starboardBox.top;
  return 0;
}

// The starboard nacelle is the port one mirrored from the top of the panel to the bottom.
void CSubWarp::LayOutNacelles() {
  const int left = GfxFrac(width - nacelleLength, 0.2);
  const int top = GfxFrac(height - nacelleThickness, 0.1);
  port->SetRect(RECT{left, top, left + nacelleLength, top + nacelleThickness});
  portBox = *port->GetRect();
  const int bottom = height - top;
  starboard->SetRect(RECT{left, bottom - nacelleThickness, left + nacelleLength, bottom});
  starboardBox = *starboard->GetRect();
}

// An opening bracket around the read-out: two bends whose arms end in rounded caps on the right,
// joined by a spine down the left.
void CSubWarp::LayOutBracket() {
  const int armWidth = GfxFrac(nacelleThickness, 0.2);
  const int armHeight = GfxFrac(nacelleThickness, 0.15);
  RECT f = readoutBox;
  InflateRect(&f, 2 * armWidth, armHeight);
  const CGfxBendDims dims{armWidth, armHeight};
  capTop.SetRect(RECT{f.right - armHeight, f.top, f.right, f.top + armHeight});
  capBottom.SetRect(RECT{f.right - armHeight, f.bottom - armHeight, f.right, f.bottom});
  bendTop.SetRect(RECT{f.left, f.top, f.right - armHeight, f.top + 2 * armHeight}, dims);
  bendBottom.SetRect(RECT{f.left, f.bottom - 2 * armHeight, f.right - armHeight, f.bottom}, dims);
  spine.SetRect(
      RECT{f.left, f.top + 2 * armHeight + unitY, f.left + armWidth, f.bottom - 2 * armHeight - unitY});
  for (CGfxShape* shape : {static_cast<CGfxShape*>(&bendTop), static_cast<CGfxShape*>(&capTop),
                           static_cast<CGfxShape*>(&bendBottom), static_cast<CGfxShape*>(&capBottom)}) {
    shape->SetColor(app->Clr(kGold), nullptr);
  }
  spine.SetColor(app->Clr(kSpine), nullptr);
}

int CSubWarp::Paint(HWND hwndPaint, HDC hdc) {
  CGfxDc dc(hwndPaint, hdc);
  HDC memory = CreateCompatibleDC(dc);
  if (!memory) return 0;
  {
    CGfxSel bitmap(memory, CreateCompatibleBitmap(dc, clientRect.right, clientRect.bottom));
    HBRUSH black = app->Clr(kBlack) ? app->Clr(kBlack)->MakeBrush() : nullptr;
    if (black) FillRect(memory, &clientRect, black);
    if (black) DeleteObject(black);
    for (CGfxShape* figure :
         {static_cast<CGfxShape*>(core), static_cast<CGfxShape*>(port), static_cast<CGfxShape*>(starboard)}) {
      if (figure) figure->Draw(hwndPaint, memory);
    }
    DrawConduits(memory);
    DrawReadout(hwndPaint, memory);
    BitBlt(dc, 0, 0, clientRect.right, clientRect.bottom, memory, 0, 0, SRCCOPY);
  }
  DeleteDC(memory);
  return 0;
}

// Filled opaquely, the conduits are redrawn in place without an erase. As the phase falls the
// stripes run away from the core: left along the horizontal conduit, up to the port nacelle and
// down to the starboard one.
void CSubWarp::DrawConduits(HDC hdc) {
  conduitPhase -= kPhaseStep;
  if (conduitPhase < 0) conduitPhase += kPhases;
  const int p = conduitPhase;
  const int ux = unitX, uy = unitY;
  CGfxSel pen(hdc, app->Clr(kCyan) ? app->Clr(kCyan)->MakePen(1) : nullptr);
  SetBkColor(hdc, Rgb(app, kStripeGaps));
  SetBkMode(hdc, OPAQUE);
  HBRUSH horizontal = CreateHatchBrush(HS_HORIZONTAL, Rgb(app, kBlack));
  HBRUSH vertical = CreateHatchBrush(HS_VERTICAL, Rgb(app, kBlack));
  for (const Conduit& conduit : ConduitsOf(*this, p)) {
    HBRUSH hatch = conduit.horizontalLines ? horizontal : vertical;
    UnrealizeObject(hatch);
    SetBrushOrgEx(hdc, conduit.origin.x, conduit.origin.y, nullptr);
    FillRect(hdc, &conduit.box, hatch);
    for (const auto& edge : conduit.edges) {
      MoveToEx(hdc, edge[0].x, edge[0].y, nullptr);
      LineTo(hdc, edge[1].x, edge[1].y);
    }
  }
  // The rounded end where the horizontal conduit meets the core.
  Arc(hdc, coreConduitEnd - ux, midY - uy, coreConduitEnd + ux, midY + uy + 1, coreConduitEnd, midY + uy + 1,
      coreConduitEnd, midY - uy);
  DeleteObject(horizontal);
  DeleteObject(vertical);
}

// White text on black boxes: the background mode is still opaque from the conduits.
void CSubWarp::DrawReadout(HWND hwndPaint, HDC hdc) {
  SetTextColor(hdc, Rgb(app, kWhite));
  SetBkColor(hdc, Rgb(app, kBlack));
  CGfxSel font(hdc, app->CreateSmallFont(hdc));
  for (CGfxShape* shape : {static_cast<CGfxShape*>(&bendTop), static_cast<CGfxShape*>(&capTop),
                           static_cast<CGfxShape*>(&bendBottom), static_cast<CGfxShape*>(&capBottom),
                           static_cast<CGfxShape*>(&spine)}) {
    shape->Draw(hwndPaint, hdc);
  }
  RECT text = readoutBox;
  text.top += 2 * unitY;
  const int textWidth = readoutBox.right - readoutBox.left;
  DrawTextA(hdc, kLabels, -1, &text, 0);
  text.left += GfxFrac(textWidth, 0.38);
  DrawColumn(hdc, text, "Port", port);
  text.left += GfxFrac(textWidth, 0.35);
  DrawColumn(hdc, text, "Starboard", starboard);
}

// The coil pair counts from the right end: coil 10 shows 1/2, coil 0 shows 21/22. The random
// values are drawn temperature first, field strength last.
void CSubWarp::FormatColumn(char* column, const char* name, const CImgWarpNacelle& nacelle) const {
  const int pair = 21 - 2 * nacelle.GetCurrent();
  const double temperature = app->RandomRange(812.521, 813.602);
  const double variance = app->RandomRange(0.0012, 0.0021);
  const double fieldStrength = app->RandomRange(7881.06, 7882.4);
  snprintf(column, kColumnSize, kColumnFormat, name, pair, pair + 1, fieldStrength, variance, temperature);
}

void CSubWarp::DrawColumn(HDC hdc, RECT& rc, const char* name, const CImgWarpNacelle* nacelle) const {
  if (!nacelle) return;
  char column[kColumnSize];
  FormatColumn(column, name, *nacelle);
  DrawTextA(hdc, column, -1, &rc, 0);
}

int CSubWarp::Animate(int step) {
  if (!hwnd) return 0;
  if (step != 2) {
    HDC hdc = GetDC(hwnd);
    DrawConduits(hdc);
    ReleaseDC(hwnd, hdc);
    return 0;
  }
  if (++secondCount < 2) return 0;
  secondCount = 0;
  HDC hdc = GetDC(hwnd);
  Paint(hwnd, hdc);
  ReleaseDC(hwnd, hdc);
  CImgWarpNacelle* nacelle = nextNacelle == 1 ? port : starboard;
  nextNacelle = nextNacelle == 1 ? 2 : 1;
  if (nacelle) nacelle->Step(-1);
  return 0;
}
