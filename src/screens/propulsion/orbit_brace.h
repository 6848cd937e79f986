// One gold bracket of an orbit frame: a vertical bar with a rounded corner at each end, opening
// (bar on the left) or closing (bar on the right).
#pragma once

#include <windows.h>

#include "gfx/gfx_rect.h"
#include "gfx/gfx_round.h"
#include "gfx/gfx_sprite.h"

class CKalyx;

class CBrace : public CGfxSprite {
 public:
  static constexpr int kOpening = 1;
  static constexpr int kClosing = 2;

  // kind 2 closes; any other kind opens.
  CBrace(CKalyx* app, int kind);

  // The stroke is 40 % of the width and the corners are quarter circles of radius w; a bracket
  // under 5 pixels wide is a plain 2-pixel bar on its outer side.
  void SetRect(const RECT& rc);
  int Draw(HWND hwnd, HDC hdc) override;

  CKalyx* app;
  const int kind;
  CGfxRect bar;
  CGfxQtrArc topCorner;
  CGfxQtrArc bottomCorner;
  int cornerHeight = 0;  // 0: no corners
};
