// The molecule panel: a helix of twelve atoms turning 12 degrees a tick, cyan outlines on black
// discs, composed off screen and copied to the panel in one blit.
#pragma once

#include <windows.h>

#include "display/sub_disp.h"
#include "screens/ship/molecule.h"

class CSubMolecule : public CSubDisp {
 public:
  static constexpr int kAtoms = 12;

  explicit CSubMolecule(CKalyx* app) : CSubDisp(app) {}
  ~CSubMolecule() override;

  // Turns and repaints on every tick, whatever the step.
  int Animate(int step) override;
  // Lays the helix out from 17 % of the panel's width above its top, so it enters cut off.
  int SetUp() override;
  int Paint(HWND hwnd, HDC hdc) override;

  CMolecule* molecule = nullptr;  // owned, made by SetUp

 private:
  // The off-screen picture is kept from tick to tick, and made again only when the panel's size
  // changes: a fresh bitmap of the panel's size on every tick costs more than the drawing itself.
  bool PrepareBack(HDC hdc, int width, int height);
  void ReleaseBack();

  HDC hdcBack = nullptr;
  HBITMAP hbmBack = nullptr;
  HGDIOBJ hbmOld = nullptr;
  int backWidth = 0;
  int backHeight = 0;
};
