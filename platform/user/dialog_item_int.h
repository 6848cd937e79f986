// The number conversions behind GetDlgItemInt and SetDlgItemInt.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace kx {

struct DialogInt {
  UINT value = 0;
  bool translated = false;
};

// Leading spaces are skipped, a '-' is taken only when signed, decimal digits are read up to the
// first other character ("12ab" is 12). No digits, or a value out of range of int (signed) or
// UINT (unsigned), gives 0 and not translated.
DialogInt parseDialogInt(std::string_view text, bool isSigned);

std::string formatDialogInt(UINT value, bool isSigned);

}  // namespace kx
