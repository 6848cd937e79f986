// The biomolecular scan screen: the standard frame with a numbers panel above; below, a molecule
// panel with a turning helix at the left and, at the right, a bracketed scan field holding a
// still helix and a cyan numbers panel beneath it.
#pragma once

#include <windows.h>

#include <array>

#include "display/disp_std.h"
#include "display/sub_nbrs.h"
#include "gfx/gfx_bend.h"
#include "gfx/gfx_rect.h"
#include "gfx/gfx_round.h"
#include "screens/ship/molecule.h"
#include "screens/ship/sub_molecule.h"

class CDispMedical : public CDispStd {
 public:
  static constexpr int kId = 2;
  static constexpr int kBracketShapes = 5;
  static constexpr int kStillAtoms = 24;

  explicit CDispMedical(CKalyx* app);
  ~CDispMedical() override;

  // The panels every tick; the frame's colour cycles once a second. The still helix never turns.
  int Animate(int step) override;
  // The still helix's layout result, or -1 when a panel failed.
  int SetUp() override;
  // The frame, the still helix cut to the scan field's height by two black bands, the bracket.
  int Paint(HWND hwnd, HDC hdc) override;

  // The bracket's shapes in painting order.
  std::array<CGfxShape*, kBracketShapes> BracketShapes();

  RECT rcScan{0, 0, 0, 0};  // the scan field
  int scanWidth = 0;
  int scanHeight = 0;
  CGfxBend bracketBendUpper{3};
  CGfxRect bracketBar;
  CGfxBend bracketBendLower{1};
  CGfxHlfRnd bracketCapUpper{2};
  CGfxHlfRnd bracketCapLower{2};
  CSubNbrs* subUpper = nullptr;      // owned
  CSubMolecule* subLower = nullptr;  // owned, the molecule panel
  CMolecule* helix = nullptr;        // owned, the still helix, made by SetUp
  CSubNbrs* subScan = nullptr;       // owned, the scan numbers

  // Shared by every screen of this class in the process: the panels are shown explicitly only
  // at the first paint of the first such screen.
  static bool bPanelsShown;

 private:
  void AddColourCycles();
  void LayOutBracket();
  int MakeStillHelix(int frameResult);
  int SetUpPanels();
  void HideOutsideScanField(HDC hdc);
};
