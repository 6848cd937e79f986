#include "screens/propulsion/sub_orbit.h"

#include <new>

#include "app/kalyx.h"
#include "gfx/gfx_dc.h"
#include "gfx/gfx_frac.h"

namespace {

constexpr int kBlackSlot = 0;
constexpr int kMeridians = 72;
constexpr int kParallels = 16;
constexpr int kFirstAngle = 10;
constexpr int kFrameSpacing = 6;  // degrees between neighbouring frames
constexpr int kSendBack = 270;    // from just past 90 degrees to just past 0
// Frames turned less than 45 degrees lie behind the planet.
constexpr double kNearSide = 0.785398;

}  // namespace

CSubOrbit::~CSubOrbit() {
  delete sphere;
  if (frames) {
    CIterator walk(frames);
    while (walk.Next()) delete static_cast<CFrame*>(walk.Current());
  }
  delete frameIter;
  delete frames;
}

int CSubOrbit::SetUp() {
  int result = CSubDisp::SetUp();
  if (result != 0) return result;
  frames = new (std::nothrow) CLList;
  if (frames) frameIter = new (std::nothrow) CIterator(frames);
  if (!frames || !frameIter) return -991;

  RECT client{0, 0, 0, 0};
  GetClientRect(hwnd, &client);
  width = client.right - client.left;
  height = client.bottom - client.top;
  const int h = height;
  // The client's left is 0, so trunc(left - 0.2 W) is left - trunc(0.2 W).
  orbitCentre.Set(client.left - GfxFrac(width, 0.2), client.top + GfxFrac(h, 0.7), 0);

  // A 3H square whose centre lies 0.5H left of and below the orbit's centre.
  sphere = new (std::nothrow) CSphere(app, kMeridians, kParallels);
  if (!sphere) return -991;
  const int ox = orbitCentre.x;
  const int oy = orbitCentre.y;
  result = sphere->SetRect(RECT{ox - 2 * h, oy - h, ox + h, oy + 2 * h});

  frameDepth = GfxFrac(h, 1.2);
  eyePoint.Set(frameDepth, GfxFrac(h, 0.5), 0);
  if (result == 0) result = BuildFrames();
  return result;
}

// Fifteen frames 6 degrees apart, the first at 16 degrees.
int CSubOrbit::BuildFrames() {
  for (int i = 0; i < kFrames; ++i) {
    auto* frame = new (std::nothrow) CFrame(app, &eyePoint);
    if (!frame) return -991;
    if (frames->Append(frame) != 1) {
      delete frame;
      return -991;
    }
  }
  int angle = kFirstAngle;
  int result = 0;
  frameIter->First();
  while (result == 0 && frameIter->Next()) {
    auto* frame = static_cast<CFrame*>(frameIter->Current());
    result = frame->SetSize(frameDepth, GfxFrac(frameDepth, 0.75), 0);
    if (result == 0) result = frame->SetPosition(orbitCentre.x, eyePoint.y, frameDepth);
    angle += kFrameSpacing;
    if (angle >= 360) angle -= 360;
    const CPoint3d angles(0, angle, 0);
    if (result == 0) result = frame->RotateAbout(&angles, &orbitCentre);
  }
  return result;
}

int CSubOrbit::Animate(int /*step*/) {
  if (!sphere || !frameIter || !hwnd) return -1;
  CGfxDc dc(hwnd, nullptr);
  int result = sphere->RotateAbout(0, 1, 0);
  if (result == 0) {
    const CPoint3d degree(0, 1, 0);
    frameIter->First();
    while (frameIter->Next())
      result = static_cast<CFrame*>(frameIter->Current())->RotateAbout(&degree, &orbitCentre);
  }
  if (result == 0) result = Paint(hwnd, dc);
  return result;
}

int CSubOrbit::Paint(HWND hwnd, HDC hdc) {
  CGfxDc dc(hwnd, hdc);
  RECT client{0, 0, 0, 0};
  GetClientRect(hwnd, &client);
  HDC mem = CreateCompatibleDC(dc);
  if (!mem) return 0;
  const CGfxClr* black = app->Clr(kBlackSlot);
  int result = 0;
  {
    CGfxSel bitmap(mem, CreateCompatibleBitmap(dc, client.right, client.bottom));
    // The planet's disc is filled with the selected brush, so it hides the far frames.
    HBRUSH background = black ? black->MakeBrush() : nullptr;
    CGfxSel brush(mem, background);
    if (background) FillRect(mem, &client, background);
    result = DrawFrames(mem, false);
    if (sphere) sphere->Draw(hwnd, mem);
    if (result == 0) result = DrawFrames(mem, true);
    BitBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, SRCCOPY);
  }
  DeleteDC(mem);
  return result;
}

// The far pass stops at the first failure; the near pass sends frames that passed the eye back
// to the start of their run.
int CSubOrbit::DrawFrames(HDC hdc, bool nearSide) {
  if (!frameIter) return 0;
  int result = 0;
  const CPoint3d sendBack(0, kSendBack, 0);
  frameIter->First();
  while (frameIter->Next()) {
    auto* frame = static_cast<CFrame*>(frameIter->Current());
    if ((frame->GetAngle() >= kNearSide) != nearSide) continue;
    result = frame->Draw(hwnd, hdc);
    if (!nearSide && result != 0) break;
    if (nearSide && result == 1) result = frame->RotateAbout(&sendBack, &orbitCentre);
  }
  return result;
}
