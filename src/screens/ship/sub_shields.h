// The shields panel: the ship from above inside an elliptical shield, two shield rings turning in
// depth (their rear halves pass behind the hull) and two scan lines sweeping the shield.
#pragma once

#include <windows.h>

#include "display/sub_disp.h"
#include "screens/ship/img_ship_top.h"

class CSubShields : public CSubDisp {
 public:
  explicit CSubShields(CKalyx* app);
  ~CSubShields() override;

  // Repaints on every second call, whatever the step.
  int Animate(int step) override;
  int SetUp() override;
  // Composes the whole panel off screen, one animation step further, and copies it in one blit.
  int Paint(HWND hwnd, HDC hdc) override;

  int BuildShipLayers(HWND hwnd, HDC hdc);
  int StepShields();
  int DrawRearHalves(HWND hwnd, HDC hdc);
  int DrawShieldOutline(HWND hwnd, HDC hdc);
  int DrawFrontHalves(HWND hwnd, HDC hdc);

  RECT rcClient{0, 0, 0, 0};
  CImgShipTop* ship = nullptr;  // owned
  RECT rcShield{0, 0, 0, 0};
  RECT rcRingV{0, 0, 0, 0};
  RECT rcRingH{0, 0, 0, 0};
  RECT rcScan{0, 0, 0, 0};
  int shieldX = 0;
  int shieldY = 0;
  int shieldWidth = 0;
  int shieldHeight = 0;
  int scanWidth = 0;
  int scanHeight = 0;
  // Layer A holds the ship on black, layer B the ship on white: ANDing B and ORing A into a
  // picture paints the ship's body over it and leaves everything around the ship alone.
  HDC hdcLayerA = nullptr;
  HDC hdcLayerB = nullptr;
  HBITMAP hbmLayerA = nullptr;
  HGDIOBJ hbmOldA = nullptr;
  HBITMAP hbmLayerB = nullptr;
  HGDIOBJ hbmOldB = nullptr;
  int shieldHalfWidth = 0;
  int shieldHalfHeight = 0;
  double fullTurn = 6.283185307179586;
  double tanV = 0, cosV = 0, angleV = 0, stepV = 0.15707963267948966;  // the ring about the vertical axis
  double tanH = 0, cosH = 0, angleH = 0, stepH = 0.20943951023931953;  // about the horizontal axis
  int scanStepX = 0;
  int scanStepY = 0;
  int scanX = 0;
  int scanY = 0;

  // Shared by every shields panel of the process and never reset, so the rhythm of repaints runs
  // on across screen changes.
  static bool bRepaintDue;

 private:
  void StepRings();
  void StepScans();
  void DeleteLayers();
};
