#include "framework/str_format.h"

#include <cstring>
#include <new>

#include "framework/owned_str.h"

namespace {

// One conversion's output. Integers are converted into `owned`, which the caller releases;
// `text` is null when memory ran out.
struct Piece {
  const char* text = nullptr;
  size_t length = 0;
  char* owned = nullptr;
  char single[2] = {0, 0};
};

// Takes one argument for the conversion `kind`; false for a conversion the format does not know.
bool Convert(char kind, va_list& args, Piece& piece) {
  switch (kind) {
    case 'c':
      piece.single[0] = static_cast<char>(va_arg(args, int) & 0xFF);
      piece.text = piece.single;
      piece.length = 1;
      return true;
    case 'i':
    case 'l':
      piece.owned = IntToText(va_arg(args, int));
      break;
    case 'x':
      piece.owned = HexToText(va_arg(args, unsigned int));
      break;
    case 's': {
      const char* text = va_arg(args, const char*);
      piece.text = text != nullptr ? text : "(null)";
      piece.length = std::strlen(piece.text);
      return true;
    }
    default:
      return false;
  }
  piece.text = piece.owned;
  piece.length = piece.owned != nullptr ? std::strlen(piece.owned) : 0;
  return true;
}

// Walks the format once; `sink` receives each literal run and each conversion's output, or null
// text when memory ran out. Returns the total length, kFormatBad or kOutOfMemory.
template <typename Sink>
int Walk(const char* format, va_list args, Sink sink) {
  va_list walk;
  va_copy(walk, args);
  int total = 0;
  int result = 0;
  const char* run = format;
  const char* p = format;
  while (*p != '\0' && result == 0) {
    if (p[0] != '%' || p[1] == '\0') {
      ++p;
      continue;
    }
    sink(run, static_cast<size_t>(p - run));
    total += static_cast<int>(p - run);
    Piece piece;
    if (!Convert(p[1], walk, piece)) {
      result = kFormatBad;
    } else if (piece.text == nullptr) {
      result = kOutOfMemory;
    } else {
      sink(piece.text, piece.length);
      total += static_cast<int>(piece.length);
    }
    delete[] piece.owned;
    p += 2;
    run = p;
  }
  va_end(walk);
  if (result != 0) return result;
  sink(run, static_cast<size_t>(p - run));
  return total + static_cast<int>(p - run);
}

}  // namespace

int FormatLength(const char* format, va_list args) {
  if (format == nullptr) return kFormatBad;
  return Walk(format, args, [](const char*, size_t) {});
}

int FormatInto(char* buffer, const char* format, va_list args) {
  if (format == nullptr) return kFormatBad;
  // Writes by position rather than by string append, so a %c of NUL cannot shift what follows.
  char* end = buffer + std::strlen(buffer);
  int result = Walk(format, args, [&end](const char* text, size_t length) {
    std::memcpy(end, text, length);
    end += length;
  });
  return result < 0 ? result : 0;
}

int StrFormatV(char** out, const char* format, va_list args) {
  *out = nullptr;
  int length = FormatLength(format, args);
  if (length < 0) return length;
  if (length == 0) return kFormatBad;
  char* text = new (std::nothrow) char[static_cast<size_t>(length) + 1]();
  if (text == nullptr) return kOutOfMemory;
  int result = FormatInto(text, format, args);
  if (result != 0) {
    delete[] text;
    return result;
  }
  *out = text;
  return 0;
}

int StrFormat(char** out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int result = StrFormatV(out, format, args);
  va_end(args);
  return result;
}
