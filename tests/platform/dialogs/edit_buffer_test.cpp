#include "user/edit_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace kx {
namespace {

TEST(EditBuffer, TypingStopsAtTheLimitButSetTextDoesNot) {
  EditBuffer edit;
  edit.setLimit(20);
  for (int i = 0; i < 25; ++i) edit.insert("x");
  EXPECT_EQ(edit.text(), std::string(20, 'x'));
  EXPECT_FALSE(edit.insert("y"));
  edit.setText(std::string(30, 'z'));
  EXPECT_EQ(edit.text().size(), 30u);
  EXPECT_EQ(edit.caret(), 0u);
}

TEST(EditBuffer, PastingIsCutAtTheLimit) {
  EditBuffer edit;
  edit.setLimit(5);
  edit.insert("ab");
  EXPECT_TRUE(edit.insert("cdefgh"));
  EXPECT_EQ(edit.text(), "abcde");
  EXPECT_EQ(edit.caret(), 5u);
}

TEST(EditBuffer, ZeroLiftsTheLimit) {
  EditBuffer edit;
  edit.setLimit(0);
  edit.insert(std::string(40000, 'a'));
  EXPECT_EQ(edit.text().size(), 40000u);
}

TEST(EditBuffer, TheDefaultLimitIs32767) {
  EditBuffer edit;
  edit.insert(std::string(40000, 'a'));
  EXPECT_EQ(edit.text().size(), 32767u);
}

TEST(EditBuffer, SingleLineDropsLineBreaks) {
  EditBuffer edit;
  edit.insert("a\r\nb\nc");
  EXPECT_FALSE(edit.insertLineBreak());
  EXPECT_EQ(edit.text(), "abc");
}

TEST(EditBuffer, MultiLineStoresEveryBreakAsCrLf) {
  EditBuffer edit(true);
  edit.insert("a\nb\rc\r\nd");
  EXPECT_EQ(edit.text(), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(edit.lineCount(), 4u);
  EXPECT_EQ(edit.lineText(2), "c");
}

TEST(EditBuffer, ALineBreakThatWouldPassTheLimitIsRefusedWhole) {
  EditBuffer edit(true);
  edit.setLimit(3);
  edit.insert("ab");
  EXPECT_FALSE(edit.insertLineBreak());
  EXPECT_EQ(edit.text(), "ab");
}

struct KeyCase {
  const char* name;
  void (*action)(EditBuffer&);
  const char* text;
  size_t caret;
};

// Each case starts from "ab\r\ncd" with the caret after "ab\r\nc" (position 5).
const KeyCase kKeyCases[] = {
    {"backspace", [](EditBuffer& e) { e.backspace(); }, "ab\r\nd", 4},
    {"backspace twice joins lines", [](EditBuffer& e) { e.backspace(), e.backspace(); }, "abd", 2},
    {"delete", [](EditBuffer& e) { e.deleteForward(); }, "ab\r\nc", 5},
    {"left twice steps over the break", [](EditBuffer& e) { e.moveLeft(), e.moveLeft(); }, "ab\r\ncd", 2},
    {"home", [](EditBuffer& e) { e.moveHome(); }, "ab\r\ncd", 4},
    {"end", [](EditBuffer& e) { e.moveEnd(); }, "ab\r\ncd", 6},
    {"up keeps the column", [](EditBuffer& e) { e.moveUp(); }, "ab\r\ncd", 1},
    {"down on the last line stays", [](EditBuffer& e) { e.moveDown(); }, "ab\r\ncd", 5},
    {"delete at a break joins lines", [](EditBuffer& e) { e.setCaret(2), e.deleteForward(); }, "abcd", 2},
    {"caret never splits a break", [](EditBuffer& e) { e.setCaret(3); }, "ab\r\ncd", 2},
    {"right at the end stays", [](EditBuffer& e) { e.moveEnd(), e.moveRight(); }, "ab\r\ncd", 6},
    {"typing inserts at the caret", [](EditBuffer& e) { e.insert("X"); }, "ab\r\ncXd", 6},
};

TEST(EditBuffer, KeysEditAndMoveTheCaret) {
  for (const KeyCase& c : kKeyCases) {
    EditBuffer edit(true);
    edit.insert("ab\r\ncd");
    edit.setCaret(5);
    c.action(edit);
    EXPECT_EQ(edit.text(), c.text) << c.name;
    EXPECT_EQ(edit.caret(), c.caret) << c.name;
  }
}

TEST(EditBuffer, UpAndDownClampToShorterLines) {
  EditBuffer edit(true);
  edit.insert("long line\r\nab\r\nlonger line");
  edit.moveUp();  // from the end of "longer line", column 11, into "ab"
  EXPECT_EQ(edit.caret(), edit.lineStart(1) + 2);
  edit.moveDown();
  EXPECT_EQ(edit.caret(), edit.lineStart(2) + 2);
}

TEST(EditBuffer, ScrollingFollowsTheCaret) {
  EditBuffer edit(true);
  for (int i = 0; i < 10; ++i) edit.insert("line\r\n");
  edit.keepCaretVisible(3);
  EXPECT_EQ(edit.firstVisibleLine(), 8u);  // caret on line 10, lines 8..10 shown
  edit.setCaretAt(1, 0);
  edit.keepCaretVisible(3);
  EXPECT_EQ(edit.firstVisibleLine(), 1u);
}

TEST(EditBuffer, TenThousandCharactersPastedStayEditable) {
  EditBuffer edit(true);
  std::string pasted;
  for (int i = 0; i < 1000; ++i) pasted += "123456789\n";
  edit.insert(pasted);
  EXPECT_EQ(edit.lineCount(), 1001u);
  edit.setCaretAt(500, 3);
  edit.backspace();
  edit.insert("#");
  EXPECT_EQ(edit.lineText(500), "12#456789");
  edit.keepCaretVisible(4);
  EXPECT_EQ(edit.firstVisibleLine(), 497u);
}

}  // namespace
}  // namespace kx
