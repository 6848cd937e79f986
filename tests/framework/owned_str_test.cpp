#include "framework/owned_str.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

std::string Take(char* text) {
  std::string copy = text != nullptr ? text : "<null>";
  delete[] text;
  return copy;
}

TEST(OwnedStr, DupCopiesAndNullStaysNull) {
  char* s = nullptr;
  EXPECT_EQ(Take(StrDup(&s, "abc")), "abc");
  char* n = reinterpret_cast<char*>(1);  // any old value is overwritten, not released
  EXPECT_EQ(StrDup(&n, nullptr), nullptr);
  EXPECT_EQ(n, nullptr);
}

TEST(OwnedStr, AssignReleasesTheOldTextAndMayCopyItself) {
  char* s = nullptr;
  StrDup(&s, "old");
  StrAssign(&s, "new");
  EXPECT_STREQ(s, "new");
  StrAssign(&s, s);
  EXPECT_STREQ(s, "new");
  StrAssign(&s, nullptr);
  EXPECT_EQ(s, nullptr);
}

TEST(OwnedStr, CatOfNothingIsNoString) {
  struct Case {
    const char* a;
    const char* b;
    const char* expected;  // null: no string
  };
  const Case cases[] = {
      {"", "", nullptr},     {nullptr, nullptr, nullptr}, {nullptr, "", nullptr},
      {"ab", nullptr, "ab"}, {nullptr, "cd", "cd"},       {"ab", "cd", "abcd"},
  };
  for (const Case& c : cases) {
    char* s = nullptr;
    StrCat(&s, c.a, c.b);
    EXPECT_EQ(Take(s), c.expected != nullptr ? c.expected : "<null>");
  }
}

TEST(OwnedStr, AppendReplacesTheOwnersText) {
  char* s = nullptr;
  StrDup(&s, "ab");
  StrAppend(&s, s, "xy");  // the old "ab" is released; ASan reports it if not
  EXPECT_EQ(Take(s), "abxy");
}

TEST(OwnedStr, IntAndHexText) {
  const std::pair<int, const char*> ints[] = {
      {0, "0"}, {7, "7"}, {-1, "-1"}, {1000, "1000"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"}};
  for (auto [n, text] : ints) EXPECT_EQ(Take(IntToText(n)), text) << n;
  const std::pair<unsigned, const char*> hexes[] = {
      {0u, "0"}, {0xau, "a"}, {0x1ffu, "1ff"}, {0xdeadbeefu, "deadbeef"}};
  for (auto [n, text] : hexes) EXPECT_EQ(Take(HexToText(n)), text) << n;
}

}  // namespace
