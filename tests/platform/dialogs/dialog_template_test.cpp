#include "user/dialog_template.h"

#include <gtest/gtest.h>

#include "test_dialog_resources.h"

namespace kx {
namespace {

struct ExpectedItem {
  int id;
  const char* className;
  const char* title;
  DWORD style;  // compared without WS_VISIBLE | WS_CHILD, which the resource compiler adds
  DialogUnits units;
};

void expectItems(const DialogTemplate& dialog, const std::vector<ExpectedItem>& expected) {
  ASSERT_EQ(dialog.items.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    const DialogItemTemplate& item = dialog.items[i];
    EXPECT_EQ(item.id, expected[i].id);
    EXPECT_EQ(item.className, expected[i].className);
    EXPECT_EQ(item.title, expected[i].title);
    EXPECT_EQ(item.style & ~(WS_VISIBLE | WS_CHILD), expected[i].style);
    EXPECT_EQ(item.units.x, expected[i].units.x);
    EXPECT_EQ(item.units.y, expected[i].units.y);
    EXPECT_EQ(item.units.cx, expected[i].units.cx);
    EXPECT_EQ(item.units.cy, expected[i].units.cy);
  }
}

TEST(DialogTemplate, ReadsTheClassicLayout) {
  auto dialog = parseDialogTemplate(test::testDialogTemplate("DLG_PLAIN"));
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(dialog->extended);
  EXPECT_EQ(dialog->caption, "Plain Test");
  EXPECT_TRUE(dialog->hasFont);
  EXPECT_EQ(dialog->pointSize, 8);
  EXPECT_EQ(dialog->typeface, "MS Sans Serif");
  EXPECT_EQ(dialog->units.x, 60);
  EXPECT_EQ(dialog->units.cy, 100);
  EXPECT_TRUE(dialog->style & DS_MODALFRAME);
  const DWORD multiLine = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
  expectItems(*dialog, {
                           {10, "STATIC", "Centred title", SS_CENTER | WS_GROUP, {5, 4, 150, 8}},
                           {-1, "BUTTON", "Group:", BS_GROUPBOX, {5, 14, 70, 40}},
                           {11, "Button", "Check me", BS_AUTOCHECKBOX | WS_TABSTOP, {10, 26, 60, 10}},
                           {-1, "STATIC", "Number:", SS_LEFT | WS_GROUP, {80, 16, 40, 8}},
                           {12, "EDIT", "", ES_LEFT | WS_BORDER | WS_TABSTOP, {80, 28, 40, 12}},
                           {13, "EDIT", "", multiLine, {80, 44, 70, 30}},
                           {1, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, {5, 80, 45, 14}},
                           {2, "BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, {55, 80, 45, 14}},
                           {14, "BUTTON", "&Apply", BS_PUSHBUTTON | WS_TABSTOP, {105, 80, 45, 14}},
                       });
}

TEST(DialogTemplate, ReadsTheExtendedLayoutWithOrdinalTitlesAndUnknownClasses) {
  auto dialog = parseDialogTemplate(test::testDialogTemplate("DLG_EXTENDED"));
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->extended);
  EXPECT_EQ(dialog->caption, "Extended Test");
  EXPECT_EQ(dialog->weight, 400);
  EXPECT_EQ(dialog->typeface, "MS Sans Serif");
  ASSERT_EQ(dialog->items.size(), 7u);
  EXPECT_EQ(dialog->items[2].className, "SysListView32");
  EXPECT_EQ(dialog->items[2].style & 0xFFFF, 0x1234u);
  EXPECT_EQ(dialog->items[4].className, "STATIC");
  EXPECT_EQ(dialog->items[4].style & 0xFF, static_cast<DWORD>(SS_ICON));
  EXPECT_EQ(dialog->items[4].titleOrdinal, 100);
  EXPECT_EQ(dialog->items[6].id, 2);
  EXPECT_EQ(dialog->items[6].title, "Cancel");
}

TEST(DialogTemplate, ADialogWithoutFontHasNone) {
  auto dialog = parseDialogTemplate(test::testDialogTemplate("DLG_NOFONT"));
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(dialog->hasFont);
  ASSERT_EQ(dialog->items.size(), 1u);
  EXPECT_EQ(dialog->items[0].title, "Go");
}

TEST(DialogTemplate, TruncatedBytesAreRefusedAtEveryLength) {
  std::vector<uint8_t> bytes = test::testDialogTemplate("DLG_EXTENDED");
  ASSERT_FALSE(bytes.empty());
  // Cutting anywhere inside the last item's fixed fields or strings must fail, never overread.
  for (size_t size = 0; size + 8 < bytes.size(); size += 3)
    EXPECT_FALSE(parseDialogTemplate(std::span(bytes.data(), size))) << size;
}

}  // namespace
}  // namespace kx
