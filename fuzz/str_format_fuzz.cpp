// StrFormat on any format, each conversion given an argument of its own type: the text it makes is
// as long as FormatLength says, and a model of the format agrees with it.
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "framework/str_format.h"

namespace {

enum class Arg { Int, Char, String };

constexpr size_t kMaxArgs = 6;
const char* const kStrings[kMaxArgs] = {"", "abc", nullptr, "%s%i", "x y", "\xff"};
const int kInts[kMaxArgs] = {0, -1, 2147483647, -2147483647 - 1, 65, 0x1234abcd};
// %c takes the low byte; a NUL there would end the text early, which strlen cannot tell apart.
const int kChars[kMaxArgs] = {'a', 0x1FF, -1, ' ', '%', 0x7F};

int lengthOf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  int length = FormatLength(format, args);
  va_end(args);
  return length;
}

template <typename... Args>
void check(const char* format, Args... args) {
  char* out = nullptr;
  int result = StrFormat(&out, format, args...);
  int length = lengthOf(format, args...);
  if (result == 0) {
    if (out == nullptr || static_cast<int>(std::strlen(out)) != length || length == 0) std::abort();
  } else if (out != nullptr || (result != kFormatBad && result != kOutOfMemory)) {
    std::abort();
  }
  delete[] out;
}

// Hands each conversion an argument of the type it takes: a string for %s, an int otherwise.
template <typename... Args>
void callWith(const char* format, const std::vector<Arg>& kinds, size_t i, Args... args) {
  if constexpr (sizeof...(Args) == kMaxArgs) {
    check(format, args...);
  } else {
    if (i == kinds.size()) return check(format, args...);
    if (kinds[i] == Arg::String) return callWith(format, kinds, i + 1, args..., kStrings[i]);
    callWith(format, kinds, i + 1, args..., kinds[i] == Arg::Char ? kChars[i] : kInts[i]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string format(reinterpret_cast<const char*>(data), size);
  format = format.c_str();  // the format ends at its first NUL
  std::vector<Arg> kinds;
  for (size_t i = 0; i + 1 < format.size(); ++i) {
    if (format[i] != '%') continue;
    kinds.push_back(format[i + 1] == 's' ? Arg::String : format[i + 1] == 'c' ? Arg::Char : Arg::Int);
    ++i;
  }
  if (kinds.size() > kMaxArgs) return 0;
  callWith(format.c_str(), kinds, 0);
  return 0;
}
