#include "screens/ship/molecule.h"

#include <new>

namespace {

// The lower bounds of the depth bands above the farthest.
constexpr double kBandFloors[CMolecule::kDepthBands - 1] = {-0.75, -0.5, -0.25, 0.0, 0.25, 0.5, 0.75};
constexpr double kAtomSpacing = 0.65;  // in atom radii
constexpr int kAtomTwist = 80;         // degrees between neighbouring atoms

}  // namespace

CMolecule::CMolecule(CKalyx* app, int atoms, int atomRadius)
    : app(app), radius(atomRadius), count(atoms > 0 ? atoms : 0) {}

CMolecule::~CMolecule() {
  if (!atoms) return;
  for (int i = 0; i < count; ++i) delete atoms[i];
  delete[] atoms;
}

int CMolecule::SetColor(CGfxClr* color, CGfxClr* color2) {
  clr = color;
  clr2 = color2;
  return 0;
}

int CMolecule::DepthBand(double depth) {
  int band = 0;
  for (double floor : kBandFloors) band += depth >= floor;
  return band;
}

int CMolecule::Draw(HWND /*hwnd*/, HDC hdc) {
  if (!atoms) return 0;
  for (int band = 0; band < kDepthBands; ++band) {
    for (int i = 0; i < count; ++i) {
      if (atoms[i] && DepthBand(atoms[i]->cosine) == band) atoms[i]->DrawAtom(hdc);
    }
  }
  return 0;
}

int CMolecule::LayOut(const RECT& rc) {
  layout = rc;
  layoutWidth = rc.right - rc.left;
  layoutHeight = rc.bottom - rc.top;
  topX = rc.left + layoutWidth / 2;
  topY = rc.top;
  amplitude = radius;
  atoms = new (std::nothrow) CAtom* [count] {};
  if (!atoms) return -991;
  const int placed = PlaceAtoms();
  if (placed != 0) return placed;
  return TurnAll(10);
}

int CMolecule::PlaceAtoms() {
  int y = topY;
  for (int i = 0; i < count; ++i) {
    atoms[i] = new (std::nothrow) CAtom(app);
    if (!atoms[i]) return -1;
    atoms[i]->Place(POINT{topX, y}, radius, amplitude, kAtomTwist * i);
    y = static_cast<int>(y + static_cast<long double>(kAtomSpacing) * radius);
  }
  return 0;
}

int CMolecule::TurnAll(int /*unused*/) {
  if (!atoms) return 0;
  for (int i = 0; i < count; ++i) {
    if (atoms[i]) atoms[i]->Turn(kTurnDegrees);
  }
  return 0;
}
