#include "app/crypt.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::string Decoded(const std::uint32_t* record) {
  char* out = nullptr;
  EXPECT_EQ(CCrypt::Decode(record, &out), 0);
  EXPECT_NE(out, nullptr);
  std::string text = out != nullptr ? out : "";
  delete[] out;
  return text;
}

TEST(CCrypt, DecodeAddsOnlyTheLowBytes) {
  const std::uint32_t empty[] = {0, 0x55};
  EXPECT_EQ(Decoded(empty), "");
  // 0xFF + 0x41 = 0x140, of which the low byte 0x40 ('@') remains.
  const std::uint32_t wrapped[] = {2, 0x1FF, 0x41, 0xABCD0041};
  EXPECT_EQ(Decoded(wrapped), "@@");
  const std::uint32_t plain[] = {3, 0x100, 'a', 'b', 'c'};
  EXPECT_EQ(Decoded(plain), "abc");
  const std::uint32_t negative[] = {0xFFFFFFFF, 0};
  EXPECT_EQ(Decoded(negative), "");
}

TEST(CCrypt, DecodeReleasesThePreviousText) {
  const std::uint32_t record[] = {1, 0, 'x'};
  char* out = new char[4]{'o', 'l', 'd', '\0'};  // ASan reports it if Decode forgets it
  CCrypt::Decode(record, &out);
  EXPECT_STREQ(out, "x");
  delete[] out;
}

TEST(CCrypt, BuildsSixPlainStringsWithTheByline) {
  CCrypt crypt;
  ASSERT_NE(crypt.lpszCredit[0], nullptr);
  EXPECT_EQ(std::string(crypt.lpszCredit[0]).rfind("by ", 0), 0u);
  EXPECT_STREQ(crypt.lpszCredit[4], "KALYX Display (32 bit)");
  EXPECT_STREQ(crypt.lpszCredit[5], "KALYX Operations Console");
  for (const char* text : crypt.lpszCredit) {
    ASSERT_NE(text, nullptr);
    for (const char* p = text; *p != '\0'; ++p) EXPECT_TRUE(*p >= ' ' && *p <= '~') << text;
  }
}

}  // namespace
