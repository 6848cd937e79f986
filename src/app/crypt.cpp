#include "app/crypt.h"

#include <array>
#include <cstddef>
#include <new>

#include "framework/owned_str.h"

namespace {

// Scrambles a text into a record at compile time, so the program holds no plain copy of it.
template <std::size_t N>
constexpr std::array<std::uint32_t, N + 1> Scramble(const char (&text)[N], std::uint32_t bias) {
  std::array<std::uint32_t, N + 1> record{};
  record[0] = N - 1;
  record[1] = bias;
  for (std::size_t i = 0; i + 1 < N; ++i) {
    auto character = static_cast<std::uint8_t>(text[i]);
    auto low = static_cast<std::uint8_t>(character - static_cast<std::uint8_t>(bias));
    // Noise in the upper bytes, which decoding ignores.
    record[i + 2] = low | ((static_cast<std::uint32_t>(i) * 0x9E3779u + bias) & 0xFFFFFF00u);
  }
  return record;
}

constexpr auto kRecordA = Scramble("the KALYX developers", 0x5A3C17u);
constexpr auto kRecordB = Scramble("Console figures drawn with plain GDI", 0x1F08E4u);
constexpr auto kRecordC = Scramble("Free software under the MIT licence", 0x7C2B91u);
constexpr auto kRecordD = Scramble("One source for Windows and Linux", 0x33D06Au);
constexpr auto kRecordE = Scramble("KALYX Display (32 bit)", 0x0E45C3u);
constexpr auto kRecordF = Scramble("KALYX Operations Console", 0x6B1E2Du);

}  // namespace

CCrypt::CCrypt() {
  char* byline = nullptr;
  Decode(kRecordA.data(), &byline);
  const std::uint32_t* records[] = {kRecordB.data(), kRecordC.data(), kRecordD.data(), kRecordE.data(),
                                    kRecordF.data()};
  for (int i = 1; i < kStrings; ++i) Decode(records[i - 1], &lpszCredit[i]);
  StrAppend(&lpszCredit[0], "by ", byline);
  delete[] byline;
}

CCrypt::~CCrypt() {
  for (char*& text : lpszCredit) {
    delete[] text;
    text = nullptr;
  }
}

int CCrypt::Decode(const std::uint32_t* record, char** out) {
  delete[] * out;
  *out = nullptr;
  // A negative length is a broken record: it decodes as no characters.
  auto n = static_cast<std::int32_t>(record[0]);
  std::size_t length = n > 0 ? static_cast<std::size_t>(n) : 0;
  char* text = new (std::nothrow) char[length + 1]();
  if (text == nullptr) return 0;
  auto bias = static_cast<std::uint8_t>(record[1]);
  for (std::size_t i = 0; i < length; ++i) {
    text[i] = static_cast<char>(static_cast<std::uint8_t>(bias + static_cast<std::uint8_t>(record[2 + i])));
  }
  *out = text;
  return 0;
}
