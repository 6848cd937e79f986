#include "user/dialog_units.h"

#include <cstdint>

namespace kx {
namespace {

// MulDiv's rounding (halves away from zero), kept here so the conversion needs no kernel call.
int mulDivRounded(int number, int numerator, int denominator) {
  int64_t product = static_cast<int64_t>(number) * numerator;
  int64_t half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

const char kAllLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

int averageLetterWidth(int extentOfAllLetters) {
  return (extentOfAllLetters / 26 + 1) / 2;
}

int dialogUnitsToPixelsX(int units, const DialogBaseUnits& base) {
  return mulDivRounded(units, base.x, 4);
}
int dialogUnitsToPixelsY(int units, const DialogBaseUnits& base) {
  return mulDivRounded(units, base.y, 8);
}

}  // namespace kx
