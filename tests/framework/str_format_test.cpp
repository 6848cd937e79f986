#include "framework/str_format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Formats with StrFormat and returns the text, or "<rc>" when it fails.
template <typename... Args>
std::string Format(const char* format, Args... args) {
  char* out = reinterpret_cast<char*>(1);
  int rc = StrFormat(&out, format, args...);
  if (rc != 0) {
    EXPECT_EQ(out, nullptr);
    return "<" + std::to_string(rc) + ">";
  }
  std::string text = out;
  delete[] out;
  return text;
}

TEST(StrFormat, TheFiveConversions) {
  EXPECT_EQ(Format("rc %i", -1), "rc -1");
  EXPECT_EQ(Format("rc %i", 0), "rc 0");
  EXPECT_EQ(Format("%l items", 42), "42 items");
  EXPECT_EQ(Format("%c%i", 'A', 7), "A7");
  EXPECT_EQ(Format("[%s]", "text"), "[text]");
  EXPECT_EQ(Format("%s", static_cast<const char*>(nullptr)), "(null)");
  EXPECT_EQ(Format("0x%x", 0xBEEFu), "0xbeef");
  EXPECT_EQ(Format("%c", 0x141), "A");  // only the low 8 bits of the argument count
}

TEST(StrFormat, LiteralPercentAndBadConversions) {
  EXPECT_EQ(Format("100%"), "100%");
  EXPECT_EQ(Format("%"), "%");
  EXPECT_EQ(Format("%d", 5), "<-1>");
  EXPECT_EQ(Format("50%% done"), "<-1>");
  EXPECT_EQ(Format("%i then %q", 1, 2), "<-1>");
}

TEST(StrFormat, EmptyResultsFail) {
  EXPECT_EQ(Format(""), "<-1>");
  EXPECT_EQ(Format("%s", ""), "<-1>");
}

TEST(StrFormat, LengthMatchesTheWrittenText) {
  auto check = [](const char* format, ...) {
    va_list args;
    va_start(args, format);
    int length = FormatLength(format, args);
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    EXPECT_EQ(FormatInto(buffer.data(), format, args), 0);
    va_end(args);
    return std::make_pair(length, std::string(buffer.c_str()));
  };
  EXPECT_EQ(check("%s=%i (%x)%", "key", -12, 255u), std::make_pair(13, std::string("key=-12 (ff)%")));
}

}  // namespace
