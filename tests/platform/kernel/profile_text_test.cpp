#include "kernel/profile_text.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

constexpr std::string_view kProfile =
    "; saver settings\r\n"
    "top=outside any section\r\n"
    "[Settings]\r\n"
    "ClrCd = 1 \r\n"
    "  scrnscnds=30\r\n"
    "CommText=\"  quoted  \"\r\n"
    "Single='x'\r\n"
    "Mixed=\"x'\r\n"
    ";ClkScndCnt=99\r\n"
    "ClrCd=2\r\n"
    "no equals sign\r\n"
    "\r\n"
    "[ other ]\r\n"
    "ClkScndCnt=4\r\n"
    "[settings]\r\n"
    "DispShld=0\r\n";

TEST(ProfileText, FindsValuesByCaseInsensitiveNames) {
  struct Case {
    const char* section;
    const char* key;
    std::optional<std::string_view> expected;
  };
  const Case cases[] = {
      {"Settings", "ClrCd", "1"},       // blanks around the value go; the first of equal keys wins
      {"SETTINGS", "ScrnScnds", "30"},  // names match in any case, blanks around them ignored
      {" Settings ", " scrnSCNDS ", "30"},
      {"Settings", "CommText", "\"  quoted  \""},
      {"Settings", "ClkScndCnt", std::nullopt},  // commented out here, and in another section
      {"Other", "ClkScndCnt", "4"},
      {"Settings", "DispShld", "0"},  // a repeated section continues the first
      {"Settings", "top", std::nullopt},
      {"Settings", "no equals sign", std::nullopt},
      {"Missing", "ClrCd", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(findProfileValue(kProfile, c.section, c.key), c.expected) << c.section << "/" << c.key;
  }
}

TEST(ProfileText, OneOuterPairOfMatchingQuotesGoes) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"\"  quoted  \"", "  quoted  "}, {"'x'", "x"}, {"\"x'", "\"x'"},
      {"\"\"a\"\"", "\"a\""},           {"\"", "\""}, {"", ""}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(unquotedProfileValue(value), expected) << value;
}

TEST(ProfileText, ListsSectionAndKeyNames) {
  EXPECT_EQ(profileSectionNames(kProfile), (std::vector<std::string_view>{"Settings", "other", "settings"}));
  EXPECT_EQ(profileKeyNames(kProfile, "settings"),
            (std::vector<std::string_view>{"ClrCd", "scrnscnds", "CommText", "Single", "Mixed", "ClrCd",
                                           "DispShld"}));
}

TEST(ProfileText, ToleratesLineEndingsMarksAndGarbage) {
  EXPECT_EQ(findProfileValue("\xEF\xBB\xBF[S]\nk=v", "S", "k"), "v");
  EXPECT_EQ(findProfileValue("[S]\rk=v\n", "S", "k"), "v");  // a lone CR ends a line too
  EXPECT_EQ(findProfileValue("[S]\rj=1\rk=v\r", "S", "k"), "v");
  EXPECT_EQ(findProfileValue("[S]\r\n\r\nk=v\n\r", "S", "k"), "v");
  EXPECT_EQ(profileKeyNames("[S]\ra=1\r\rb=2\r\nc=3\nd=4", "S"),
            (std::vector<std::string_view>{"a", "b", "c", "d"}));
  EXPECT_EQ(findProfileValue("[S\nk=v\n", "S", "k"), "v");  // a header without its bracket
  EXPECT_EQ(findProfileValue(std::string_view("[S]\n\0\xff=\x01\nk=v", 12), "S", "k"), "v");
  EXPECT_EQ(findProfileValue("", "S", "k"), std::nullopt);
}

struct EditCase {
  const char* name;
  std::string_view before;
  const char* section;
  const char* key;
  const char* value;
  std::optional<std::string_view> after;
};

const EditCase kEdits[] = {
    {"new file", "", "Settings", "ClrCd", "1", "[Settings]\r\nClrCd=1\r\n"},
    {"key keeps place and spelling", "[s]\r\nA=1\r\nB=2\r\n", "S", "a", "9", "[s]\r\nA=9\r\nB=2\r\n"},
    {"only the first equal key changes", "[s]\r\na=1\r\na=2\r\n", "s", "A", "3", "[s]\r\na=3\r\na=2\r\n"},
    {"new key ends its section before blanks", "[s]\r\na=1\r\n\r\n[t]\r\n", "s", "b", "2",
     "[s]\r\na=1\r\nb=2\r\n\r\n[t]\r\n"},
    {"new key in an empty section", "[s]\r\n[t]\r\n", "s", "b", "2", "[s]\r\nb=2\r\n[t]\r\n"},
    {"after a last line without a break", "[s]\na=1", "s", "b", "2", "[s]\na=1\nb=2\n"},
    {"new section at the end", "[s]\na=1", "t", "b", "2", "[s]\na=1\n[t]\nb=2\n"},
    {"other lines stay byte for byte", "; c\n[s]\n a = 1 \n", "s", "a", "", "; c\n[s]\na=\n"},
    {"CR lines stay CR lines", "[s]\ra=1\r\r[t]\r", "s", "b", "2", "[s]\ra=1\rb=2\r\r[t]\r"},
    {"a CR file gets a CR section", "[s]\ra=1", "t", "b", "2", "[s]\ra=1\r[t]\rb=2\r"},
    {"a CR key is replaced whole", "[s]\ra=1\rb=2\r", "s", "a", "9", "[s]\ra=9\rb=2\r"},
    {"an LF file keeps LF", "[s]\na=1\n", "s", "a", "9", "[s]\na=9\n"},
    {"a CR file loses a key", "[s]\ra=1\rb=2\r", "s", "a", nullptr, "[s]\rb=2\r"},
    {"one line without a break: CR LF", "[s]", "s", "a", "1", "[s]\r\na=1\r\n"},
    {"null value deletes the key", "[s]\r\na=1\r\nb=2\r\na=3\r\n", "s", "A", nullptr, "[s]\r\nb=2\r\n"},
    {"null key deletes the section", "[s]\r\na=1\r\n[t]\r\nb=2\r\n[S]\r\nc=3\r\n", "s", nullptr, nullptr,
     "[t]\r\nb=2\r\n"},
    {"deleting what is not there", "[s]\r\na=1\r\n", "s", "b", nullptr, std::nullopt},
    {"deleting a missing section", "[s]\r\na=1\r\n", "t", nullptr, nullptr, std::nullopt},
};

TEST(ProfileText, EditsKeepEverythingElse) {
  for (const EditCase& c : kEdits) {
    EXPECT_EQ(editProfileText(c.before, c.section, c.key, c.value), c.after) << c.name;
  }
}

}  // namespace
}  // namespace kx
