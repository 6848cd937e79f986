// Dialog units: a quarter of the dialog font's average character width across, an eighth of its
// height down.
#pragma once

#include <windows.h>

namespace kx {

struct DialogBaseUnits {
  int x = 0;
  int y = 0;
};

// Windows averages the 52 letters "A".."Z", "a".."z" and rounds: (extent / 26 + 1) / 2.
int averageLetterWidth(int extentOfAllLetters);

// MulDiv rounding, as MapDialogRect uses.
int dialogUnitsToPixelsX(int units, const DialogBaseUnits& base);
int dialogUnitsToPixelsY(int units, const DialogBaseUnits& base);

extern const char kAllLetters[];

}  // namespace kx
