#include "user/dialog_item_int.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

struct ParseCase {
  const char* text;
  bool isSigned;
  int value;
  bool translated;
};

// Microsoft's documentation of GetDlgItemInt: leading spaces skipped, a minus sign only when
// signed, digits up to the first other character, failure (0, FALSE) on no digits or overflow.
const ParseCase kParseCases[] = {
    {"12", true, 12, true},
    {"-5", true, -5, true},
    {"abc", true, 0, false},
    {"", true, 0, false},
    {"  42", true, 42, true},
    {"12ab", true, 12, true},
    {"-", true, 0, false},
    {"-5", false, 0, false},
    {"2147483647", true, 2147483647, true},
    {"-2147483648", true, INT32_MIN, true},
    {"2147483648", true, 0, false},
    {"4294967295", false, -1, true},
    {"4294967296", false, 0, false},
    {"0", true, 0, true},
};

TEST(DialogItemInt, ParsesAsWindowsDoes) {
  for (const ParseCase& c : kParseCases) {
    DialogInt parsed = parseDialogInt(c.text, c.isSigned);
    EXPECT_EQ(static_cast<int>(parsed.value), c.value) << '"' << c.text << '"';
    EXPECT_EQ(parsed.translated, c.translated) << '"' << c.text << '"';
  }
}

TEST(DialogItemInt, FormatsSignedAndUnsigned) {
  EXPECT_EQ(formatDialogInt(static_cast<UINT>(-30), true), "-30");
  EXPECT_EQ(formatDialogInt(static_cast<UINT>(-30), false), "4294967266");
  EXPECT_EQ(formatDialogInt(30, true), "30");
}

}  // namespace
}  // namespace kx
