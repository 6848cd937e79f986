#include "app/password.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <random>
#include <string>

namespace {

std::string Transformed(std::string text) {
  text.resize(text.size() + 1);  // room for the NUL the procedure writes back
  TransformPassword(text.data());
  return text.c_str();
}

// The bytes a transformed password may never hold: controls and blank, '=', '[', ']', and the
// ranges 0x7F-0x90 and 0x93-0x9F of the ANSI code page.
bool Excluded(unsigned char b) {
  return b <= 0x20 || (b >= 0x7F && b <= 0x90) || (b >= 0x93 && b <= 0x9F) || b == '=' || b == '[' ||
         b == ']';
}

TEST(MixStep, ExcludedResultsLeaveTheAccumulator) {
  struct Case {
    BYTE value;
    bool taken;
  };
  const Case cases[] = {{0x00, false}, {0x20, false}, {0x21, true}, {0x3C, true},  {0x3D, false},
                        {0x5A, true},  {0x5B, false}, {0x5C, true}, {0x5D, false}, {0x7E, true},
                        {0x7F, false}, {0x90, false}, {0x91, true}, {0x92, true},  {0x93, false},
                        {0x9F, false}, {0xA0, true},  {0xFF, true}};
  for (const Case& c : cases) {
    BYTE acc = 0;  // value XOR 0 is the value itself
    MixStep(c.value, acc);
    EXPECT_EQ(acc, c.taken ? c.value : 0) << int(c.value);
  }
  BYTE acc = 0x41;
  MixStep(0x41, acc);  // 0x41 ^ 0x41 = 0: excluded
  EXPECT_EQ(acc, 0x41);
}

TEST(TransformPassword, ShortTextsStayAsTyped) {
  EXPECT_EQ(Transformed(""), "");
  EXPECT_EQ(Transformed("a"), "a");
}

TEST(TransformPassword, WorkedExample) {
  // Worked by hand from the mixing rule: the forward pass gives 0x69 0x28, the backward pass 'A' '*'.
  EXPECT_EQ(Transformed("AB"), "A*");
  EXPECT_EQ(Transformed("ab"), "A*");
}

TEST(TransformPassword, ResultsAvoidTheExcludedBytes) {
  std::mt19937 random(12345);
  for (int round = 0; round < 500; ++round) {
    std::string text(2 + random() % 19, ' ');
    for (char& c : text) c = static_cast<char>(0x21 + random() % 0x5E);
    std::string upper = text;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string result = Transformed(text);
    ASSERT_EQ(result.size(), text.size()) << text;
    EXPECT_EQ(result, Transformed(upper)) << "case must not matter: " << text;
    EXPECT_EQ(result, Transformed(text)) << "the same text gives the same result";
    for (size_t i = 0; i < result.size(); ++i) {
      auto b = static_cast<unsigned char>(result[i]);
      EXPECT_TRUE(!Excluded(b) || result[i] == upper[i]) << text << " at " << i;
    }
  }
}

TEST(TransformPassword, OnlyTwentyCharactersTakePart) {
  std::string longer(30, 'q');
  std::string result = Transformed(longer);
  EXPECT_EQ(result, Transformed(std::string(20, 'q')));
}

}  // namespace
