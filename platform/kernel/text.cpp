// MulDiv and the ANSI string helpers of KERNEL32 and USER32.
#include <windows.h>

#include <climits>
#include <cstdint>

namespace {

// Windows-1252 letters: lower case in 0xE0..0xFE (not 0xF7) and the four pairs outside that run.
struct CasePair {
  unsigned char lower;
  unsigned char upper;
};
constexpr CasePair kExtraPairs[] = {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};

unsigned char toUpper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  for (const CasePair& pair : kExtraPairs) {
    if (c == pair.lower) return pair.upper;
  }
  return c;
}

unsigned char toLower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  for (const CasePair& pair : kExtraPairs) {
    if (c == pair.upper) return pair.lower;
  }
  return c;
}

// A pointer whose high word is zero carries one character in its low byte instead of a string.
template <unsigned char (*convert)(unsigned char)>
LPSTR convertInPlace(LPSTR text) {
  if (IS_INTRESOURCE(text)) {
    auto c = static_cast<unsigned char>(reinterpret_cast<uintptr_t>(text));
    return reinterpret_cast<LPSTR>(static_cast<uintptr_t>(convert(c)));
  }
  for (char* p = text; *p; ++p) *p = static_cast<char>(convert(static_cast<unsigned char>(*p)));
  return text;
}

}  // namespace

int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator) {
  if (nDenominator == 0) return -1;
  int64_t product = static_cast<int64_t>(nNumber) * nNumerator;
  bool negative = (product < 0) != (nDenominator < 0);
  uint64_t magnitude = product < 0 ? 0 - static_cast<uint64_t>(product) : static_cast<uint64_t>(product);
  uint64_t divisor = nDenominator < 0 ? 0 - static_cast<uint64_t>(static_cast<int64_t>(nDenominator))
                                      : static_cast<uint64_t>(nDenominator);
  // Adding half the divisor before the division rounds halves away from zero.
  uint64_t quotient = (magnitude + divisor / 2) / divisor;
  if (!negative && quotient > static_cast<uint64_t>(INT_MAX)) return -1;
  if (negative && quotient > static_cast<uint64_t>(INT_MAX) + 1) return -1;
  return negative ? static_cast<int>(0 - static_cast<int64_t>(quotient)) : static_cast<int>(quotient);
}

int WINAPI lstrlenA(LPCSTR lpString) {
  if (!lpString) return 0;
  int length = 0;
  while (lpString[length]) ++length;
  return length;
}

int WINAPI lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2) {
  if (!lpString1 || !lpString2) return (lpString1 ? 1 : 0) - (lpString2 ? 1 : 0);
  for (size_t i = 0;; ++i) {
    unsigned char a = toLower(static_cast<unsigned char>(lpString1[i]));
    unsigned char b = toLower(static_cast<unsigned char>(lpString2[i]));
    if (a != b) return a < b ? -1 : 1;
    if (a == 0) return 0;
  }
}

LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength) {
  if (!lpString1 || !lpString2) return nullptr;
  if (iMaxLength <= 0) return lpString1;
  int i = 0;
  for (; i < iMaxLength - 1 && lpString2[i]; ++i) lpString1[i] = lpString2[i];
  lpString1[i] = '\0';
  return lpString1;
}

LPSTR WINAPI CharUpperA(LPSTR lpsz) {
  return convertInPlace<toUpper>(lpsz);
}

LPSTR WINAPI CharLowerA(LPSTR lpsz) {
  return convertInPlace<toLower>(lpsz);
}
