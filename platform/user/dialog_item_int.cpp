#include "user/dialog_item_int.h"

#include <cstdint>

namespace kx {

DialogInt parseDialogInt(std::string_view text, bool isSigned) {
  size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (isSigned && pos < text.size() && text[pos] == '-') {
    negative = true;
    ++pos;
  }
  const int64_t limit = isSigned ? (negative ? int64_t{INT32_MAX} + 1 : INT32_MAX) : UINT32_MAX;
  int64_t magnitude = 0;
  size_t firstDigit = pos;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    magnitude = magnitude * 10 + (text[pos] - '0');
    if (magnitude > limit) return {};
  }
  if (pos == firstDigit) return {};
  int64_t value = negative ? -magnitude : magnitude;
  return {static_cast<UINT>(static_cast<uint32_t>(value)), true};
}

std::string formatDialogInt(UINT value, bool isSigned) {
  return isSigned ? std::to_string(static_cast<int32_t>(value)) : std::to_string(value);
}

}  // namespace kx
