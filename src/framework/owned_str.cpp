#include "framework/owned_str.h"

#include <cstring>
#include <new>

namespace {

size_t TextLength(const char* text) {
  return text != nullptr ? std::strlen(text) : 0;
}

// Zero-filled so a partly written buffer is still terminated.
char* NewBuffer(size_t length) {
  return new (std::nothrow) char[length + 1]();
}

}  // namespace

char* StrDup(char** out, const char* src) {
  *out = nullptr;
  if (src == nullptr) return nullptr;
  size_t length = std::strlen(src);
  *out = NewBuffer(length);
  if (*out != nullptr) std::memcpy(*out, src, length);
  return *out;
}

char* StrAssign(char** out, const char* src) {
  char* old = *out;
  StrDup(out, src);
  delete[] old;
  return *out;
}

char* StrCat(char** out, const char* a, const char* b) {
  *out = nullptr;
  size_t la = TextLength(a);
  size_t lb = TextLength(b);
  if (la + lb == 0) return nullptr;
  *out = NewBuffer(la + lb);
  if (*out == nullptr) return nullptr;
  if (la != 0) std::memcpy(*out, a, la);
  if (lb != 0) std::memcpy(*out + la, b, lb);
  return *out;
}

char* StrAppend(char** out, const char* a, const char* b) {
  char* old = *out;
  StrCat(out, a, b);
  delete[] old;
  return *out;
}

char* IntToText(int n) {
  // The magnitude in 64 bits so that the most negative int has a positive counterpart.
  long long magnitude = n < 0 ? -static_cast<long long>(n) : n;
  size_t digits = 1;
  for (long long rest = magnitude / 10; rest != 0; rest /= 10) ++digits;
  size_t sign = n < 0 ? 1 : 0;
  char* text = NewBuffer(sign + digits);
  if (text == nullptr) return nullptr;
  if (sign != 0) text[0] = '-';
  for (size_t i = sign + digits; i > sign; --i) {
    text[i - 1] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  }
  return text;
}

char* HexToText(unsigned int n) {
  size_t digits = 1;
  for (unsigned int rest = n >> 4; rest != 0; rest >>= 4) ++digits;
  char* text = NewBuffer(digits);
  if (text == nullptr) return nullptr;
  for (size_t i = digits; i > 0; --i) {
    text[i - 1] = "0123456789abcdef"[n & 0xF];
    n >>= 4;
  }
  return text;
}
