// The top view of the ship: pylons, nacelles, the secondary hull and, drawn last, the saucer.
#pragma once

#include <windows.h>

#include "screens/ship/img_ship.h"

class CImgShipTop : public CImgShip {
 public:
  ~CImgShipTop() override = default;

  int DrawSaucer(HDC hdc) override;
  int DrawHull(HDC hdc) override;
  int DrawNacelles(HDC hdc) override;
  int DrawPylons(HDC hdc) override;

 private:
  // The parts of the saucer, in drawing order.
  void DrawSaucerBody(HDC hdc);
  void DrawSaucerRings(HDC hdc);
  void DrawSaucerDeck(HDC hdc);
  void DrawDorsal(HDC hdc);
  void DrawBridge(HDC hdc);
};
