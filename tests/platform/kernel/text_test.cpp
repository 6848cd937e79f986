#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <thread>

namespace {

struct MulDivCase {
  int number, numerator, denominator, expected;
};

// Halves round away from zero; overflow and division by zero give -1 (Microsoft's MulDiv page).
constexpr MulDivCase kMulDivCases[] = {
    {10, 3, 4, 8},         {5, 1, 2, 3},
    {-5, 1, 2, -3},        {5, -1, 2, -3},
    {5, 1, -2, -3},        {-5, -1, -2, -3},
    {7, 1, 3, 2},          {8, 1, 3, 3},
    {-8, 1, 3, -3},        {11, 96, 72, 15},
    {8, 96, 72, 11},       {0, 5, 7, 0},
    {1, 1, 0, -1},         {INT_MAX, 2, 2, INT_MAX},
    {INT_MAX, 2, 1, -1},   {INT_MIN, 2, 1, -1},
    {65536, 65536, 1, -1}, {65536, 65536, 2, -1},
    {46341, 46341, 1, -1}, {-46341, 46341, 2, -1073744141},
};

TEST(MulDiv, RoundsHalvesAwayFromZeroAndFailsWithMinusOne) {
  for (const MulDivCase& c : kMulDivCases) {
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
        << c.number << " * " << c.numerator << " / " << c.denominator;
  }
}

TEST(AnsiStrings, LengthAndCaseInsensitiveCompare) {
  EXPECT_EQ(lstrlenA("Kalyx"), 5);
  EXPECT_EQ(lstrlenA(""), 0);
  EXPECT_EQ(lstrlenA(nullptr), 0);
  EXPECT_EQ(lstrcmpiA("Settings", "SETTINGS"), 0);
  EXPECT_LT(lstrcmpiA("abc", "ABD"), 0);
  EXPECT_GT(lstrcmpiA("abcd", "ABC"), 0);
  EXPECT_LT(lstrcmpiA(nullptr, "a"), 0);
  EXPECT_GT(lstrcmpiA("a", nullptr), 0);
  EXPECT_EQ(lstrcmpiA(nullptr, nullptr), 0);
}

TEST(AnsiStrings, CopyStopsOneShortOfTheLimitAndTerminates) {
  struct Case {
    const char* source;
    int limit;
    std::string expected;
  };
  const Case cases[] = {
      {"Kalyx", 10, "Kalyx"}, {"Kalyx", 6, "Kalyx"}, {"Kalyx", 5, "Kaly"}, {"Kalyx", 1, ""}};
  for (const Case& c : cases) {
    char buffer[16] = "##############";
    EXPECT_EQ(lstrcpynA(buffer, c.source, c.limit), buffer);
    EXPECT_EQ(std::string(buffer), c.expected) << "limit " << c.limit;
  }
  char untouched[4] = "abc";
  EXPECT_EQ(lstrcpynA(untouched, "x", 0), untouched);
  EXPECT_STREQ(untouched, "abc");
}

TEST(AnsiStrings, CaseConversionInPlaceAndOfOneCharacter) {
  char text[] = "Warp 9.5 \xE9t\xE9";
  EXPECT_EQ(CharUpperA(text), text);
  EXPECT_STREQ(text, "WARP 9.5 \xC9T\xC9");
  EXPECT_EQ(CharLowerA(text), text);
  EXPECT_STREQ(text, "warp 9.5 \xE9t\xE9");
  // A pointer with a zero high word carries a single character.
  EXPECT_EQ(reinterpret_cast<uintptr_t>(CharUpperA(reinterpret_cast<LPSTR>(uintptr_t{'q'}))), uintptr_t{'Q'});
  EXPECT_EQ(reinterpret_cast<uintptr_t>(CharLowerA(reinterpret_cast<LPSTR>(uintptr_t{'7'}))), uintptr_t{'7'});
}

TEST(LastError, IsKeptPerThread) {
  SetLastError(ERROR_ACCESS_DENIED);
  DWORD seenByOtherThread = 1;
  std::thread([&] { seenByOtherThread = GetLastError(); }).join();
  EXPECT_EQ(seenByOtherThread, static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

}  // namespace
