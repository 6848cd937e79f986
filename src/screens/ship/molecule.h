// A vertical helix of atoms, each 0.65 radii below the one before and 80 degrees further round,
// turning about its axis. Atoms are drawn back to front in eight depth bands instead of sorted.
#pragma once

#include <windows.h>

#include "gfx/gfx_sprite.h"
#include "screens/ship/atom.h"

class CKalyx;

class CMolecule : public CGfxSprite {
 public:
  static constexpr int kDepthBands = 8;
  static constexpr int kTurnDegrees = 12;

  // A negative number of atoms is taken as none.
  CMolecule(CKalyx* app, int atoms, int atomRadius);
  ~CMolecule() override;

  // Keeps both colours; Draw uses neither but the context's own pen and brush.
  int SetColor(CGfxClr* color, CGfxClr* color2) override;
  // Back to front with the pen and brush selected into hdc. Missing atoms are skipped.
  int Draw(HWND hwnd, HDC hdc) override;

  // Builds the atoms from the top centre of rc down and gives them their first turn. 0; -991
  // without the atom array; -1 when an atom cannot be made (the atoms after it stay null).
  int LayOut(const RECT& rc);
  // Every atom on by kTurnDegrees; the argument is not used. Always 0.
  int TurnAll(int unused);

  // The band, 0 (farthest) to 7 (nearest), in which an atom of this depth is drawn. Each band
  // begins at its lower bound, so a depth of exactly -0.75 lies in band 1.
  static int DepthBand(double depth);

  CKalyx* app;  // borrowed, handed to every atom
  RECT layout{0, 0, 0, 0};
  int layoutWidth = 0;
  int layoutHeight = 0;
  int topX = 0;  // the helix's top centre
  int topY = 0;
  int radius;
  int amplitude = 0;
  int count;
  CAtom** atoms = nullptr;  // owned, count entries

 private:
  int PlaceAtoms();
};
