// The system's own small formatter, for message texts.
//
// The format is copied literally except for conversions: '%' followed by c (a character), i or l
// (a signed int), s (a string, "(null)" for null) or x (lower-case hex). Each conversion takes one
// argument. Any other character after '%' makes the whole format bad; a '%' that ends the format
// is copied as it is. There are no widths, precisions or flags.
#pragma once

#include <cstdarg>

// Result codes shared with the rest of the system.
inline constexpr int kFormatBad = -1;
inline constexpr int kOutOfMemory = -991;

// The length the formatted text will have, kFormatBad or kOutOfMemory. args is left untouched.
int FormatLength(const char* format, va_list args);
// Writes the text into buffer, which holds FormatLength + 1 bytes; 0 or kFormatBad.
int FormatInto(char* buffer, const char* format, va_list args);
// 0 with *out the new text; kFormatBad for a bad format or an empty result; kOutOfMemory.
// On failure *out is null. The old *out is not released.
int StrFormat(char** out, const char* format, ...);
int StrFormatV(char** out, const char* format, va_list args);
