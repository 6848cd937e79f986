// What the resource script compiles to: the program's dialogs, strings, menu and version.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "kernel/res_file.h"
#include "res_test_util.h"
#include "resource.h"

namespace kx {
namespace {

using test::resId;
using test::resName;

constexpr uint16_t kButton = 0x80, kEdit = 0x81, kStatic = 0x82;
constexpr uint16_t kNoId = 0xFFFF;
// Bits a control's style must carry; for buttons and statics the low nibble is compared exactly.
constexpr uint32_t kTypeMask = 0xF;

struct ItemRow {
  uint16_t id;
  uint16_t classAtom;
  uint32_t style;  // type in the low nibble plus bits that must be set
  const char* text;
  int16_t x, y, cx, cy;
};

struct DialogRow {
  const char* name;
  uint32_t style;  // exact, including the DS_SETFONT that the FONT statement adds
  const char* caption;
  int16_t x, y, cx, cy;
  std::vector<ItemRow> items;
};

const uint32_t kMultiLine = ES_MULTILINE | WS_VSCROLL | ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL;

const DialogRow kDialogs[] = {
    {"DLG_CONFIG",
     DS_MODALFRAME | WS_POPUP | WS_CAPTION | DS_SETFONT,
     "KALYX Display - Settings",
     60,
     50,
     205,
     125,
     {
         {1211, kStatic, SS_CENTER, "", 5, 4, 190, 8},
         {1212, kStatic, SS_CENTER, "", 5, 14, 190, 8},
         {kNoId, kButton, BS_GROUPBOX, "Displays:", 5, 25, 90, 70},
         {1001, kButton, BS_AUTOCHECKBOX, "Shield Status", 10, 37, 75, 10},
         {1002, kButton, BS_AUTOCHECKBOX, "Biomolecular Scan", 10, 47, 75, 10},
         {1004, kButton, BS_AUTOCHECKBOX, "Warp Drive Status", 10, 57, 75, 10},
         {1005, kButton, BS_AUTOCHECKBOX, "Standard Orbit", 10, 67, 75, 10},
         {1003, kButton, BS_AUTOCHECKBOX, "Federation Logo", 10, 77, 75, 10},
         {kNoId, kButton, BS_GROUPBOX, "Animation:", 110, 25, 90, 60},
         {1104, kButton, BS_AUTOCHECKBOX, "Animate Screens", 115, 37, 70, 8},
         {kNoId, kStatic, SS_LEFT, "Seconds per Screen:", 115, 52, 70, 8},
         {1102, kEdit, WS_BORDER, "", 115, 65, 20, 12},
         {1, kButton, BS_DEFPUSHBUTTON, "OK", 5, 105, 45, 14},
         {2, kButton, BS_PUSHBUTTON, "Cancel", 55, 105, 45, 14},
         {1200, kButton, BS_PUSHBUTTON, "Ad&vanced...", 105, 105, 45, 14},
         {1301, kButton, BS_PUSHBUTTON, "&About...", 155, 105, 45, 14},
     }},
    {"DLG_ADVCFG",
     DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT,
     "Advanced Configuration",
     10,
     20,
     150,
     133,
     {
         {kNoId, kStatic, SS_LEFT, "Frames per second:", 5, 10, 70, 8},
         {1201, kEdit, WS_BORDER, "", 75, 10, 20, 12},
         {1202, kButton, BS_AUTOCHECKBOX, "High color (more than 256 colors)", 5, 28, 120, 12},
         {kNoId, kStatic, SS_LEFT, "Federation Logo screen text:", 5, 46, 140, 8},
         {1203, kEdit, WS_BORDER | kMultiLine, "", 5, 55, 140, 44},
         {1, kButton, BS_DEFPUSHBUTTON, "OK", 30, 110, 30, 14},
         {2, kButton, BS_PUSHBUTTON, "Cancel", 90, 110, 30, 14},
     }},
    {"DLG_ABOUT",
     WS_POPUP | WS_BORDER | DS_SETFONT,
     "",
     10,
     10,
     200,
     109,
     {
         {kNoId, kStatic, SS_ICON, nullptr, 6, 6, 16, 16},
         {1302, kStatic, SS_CENTER, "", 28, 5, 159, 8},
         {1303, kStatic, SS_CENTER, "", 28, 14, 159, 16},
         {1304, kStatic, SS_CENTER, "", 7, 34, 186, 24},
         {1305, kStatic, SS_CENTER, "", 7, 64, 186, 16},
         {1, kButton, BS_DEFPUSHBUTTON, "OK", 85, 89, 30, 14},
     }},
};

TEST(KalyxRc, DialogsMatchTheirTables) {
  for (const DialogRow& row : kDialogs) {
    SCOPED_TRACE(row.name);
    const ResEntry* entry = programResources().find(resId(5), resName(row.name));
    ASSERT_NE(entry, nullptr);
    test::Dialog dlg = test::parseDialog(entry->data);
    EXPECT_EQ(dlg.style, row.style);
    EXPECT_EQ(dlg.caption, row.caption);
    EXPECT_EQ((std::vector<int>{dlg.x, dlg.y, dlg.cx, dlg.cy}),
              (std::vector<int>{row.x, row.y, row.cx, row.cy}));
    EXPECT_EQ(dlg.pointSize, 8);
    EXPECT_EQ(dlg.face, "MS Sans Serif");
    ASSERT_EQ(dlg.items.size(), row.items.size());
    for (size_t i = 0; i < row.items.size(); ++i) {
      const ItemRow& want = row.items[i];
      const test::DialogItem& got = dlg.items[i];
      SCOPED_TRACE("item " + std::to_string(i));
      EXPECT_EQ(got.id, want.id);
      EXPECT_EQ(got.classAtom, want.classAtom);
      EXPECT_EQ(got.style & (WS_CHILD | WS_VISIBLE), static_cast<uint32_t>(WS_CHILD | WS_VISIBLE));
      if (want.classAtom == kEdit) {
        EXPECT_EQ(got.style & want.style, want.style);
        EXPECT_EQ(got.style & ES_MULTILINE, want.style & ES_MULTILINE);
      } else {
        EXPECT_EQ(got.style & kTypeMask, want.style);
      }
      if (want.text) {
        EXPECT_EQ(got.text, want.text);
      } else {
        EXPECT_EQ(got.textOrdinal, IDI_KALYX);
      }
      EXPECT_EQ((std::vector<int>{got.x, got.y, got.cx, got.cy}),
                (std::vector<int>{want.x, want.y, want.cx, want.cy}));
    }
  }
}

TEST(KalyxRc, StringTableBlocksHoldTheHostStrings) {
  struct Case {
    uint16_t id;
    const char* text;
  };
  const Case cases[] = {{IDS_APP_NAME, "KALYX Display (32 bit)"},
                        {IDS_DESCRIPTION, "Screen Saver.Kalyx Display (32 bit)"}};
  for (const Case& c : cases) {
    const ResEntry* block = programResources().find(resId(6), resId(static_cast<uint16_t>(c.id / 16 + 1)));
    ASSERT_NE(block, nullptr) << c.id;
    EXPECT_EQ(test::tableString(*block, c.id), c.text);
    EXPECT_EQ(test::tableString(*block, static_cast<uint16_t>(c.id + 1)), "") << "no neighbour string";
  }
}

TEST(KalyxRc, MenuHoldsTheHostCommands) {
  const ResEntry* menu = programResources().find(resId(4), resName("MAIN_MNU"));
  ASSERT_NE(menu, nullptr);
  // MENUITEMTEMPLATE: a 4-byte header, then items; normal items carry their command after the flags.
  struct Item {
    const char* text;
    uint16_t command;
  };
  const Item items[] = {{"E&xit", IDM_EXIT}, {"&Test1", IDM_NEXT_DISPLAY}, {"&Test2", IDM_TEST2}};
  for (const Item& item : items) {
    std::string wide;
    wide += static_cast<char>(item.command & 0xFF);
    wide += static_cast<char>(item.command >> 8);
    for (const char* p = item.text; *p; ++p) wide += {*p, '\0'};
    std::string data(reinterpret_cast<const char*>(menu->data), menu->size);
    EXPECT_NE(data.find(wide), std::string::npos) << item.text;
  }
  EXPECT_TRUE(test::containsUtf16(*menu, "&File"));
  EXPECT_TRUE(test::containsUtf16(*menu, "&Options"));
}

TEST(KalyxRc, VersionNamesTheProgram) {
  const ResEntry* version = programResources().find(resId(16), resId(1));
  ASSERT_NE(version, nullptr);
  // VS_FIXEDFILEINFO follows the "VS_VERSION_INFO" key; its signature is 0xFEEF04BD.
  std::string data(reinterpret_cast<const char*>(version->data), version->size);
  size_t fixed = data.find("\xBD\x04\xEF\xFE");
  ASSERT_NE(fixed, std::string::npos);
  const uint8_t* info = version->data + fixed;
  EXPECT_EQ(test::le32(info + 8), 0x00010002u);   // file version 1.2
  EXPECT_EQ(test::le32(info + 12), 0x00000004u);  // .0.4
  EXPECT_EQ(test::le32(info + 16), 0x00010002u);  // product version 1.2
  EXPECT_EQ(test::le32(info + 20), 0x00000004u);
  EXPECT_TRUE(test::containsUtf16(*version, "KALYX Screen Saver (32 bit)"));
  EXPECT_TRUE(test::containsUtf16(*version, "Kalyx32.scr"));
  EXPECT_TRUE(test::containsUtf16(*version, "1.2.0.4"));
}

// The logo as the bitmap loader reads it: a BITMAPINFOHEADER, 16 colours, then the bits 104 bytes in.
TEST(KalyxRc, LogoIsA16ColourBitmapOf312By247) {
  const ResEntry* logo = programResources().find(resId(2), resId(IDB_LOGO));
  ASSERT_NE(logo, nullptr);
  constexpr uint32_t kBitsOffset = 40 + 16 * 4;
  constexpr uint32_t kRowBytes = 156;  // 312 pixels of 4 bits, already a whole number of words
  ASSERT_EQ(logo->size, kBitsOffset + 247 * kRowBytes);
  EXPECT_EQ(logo->size - kBitsOffset, 38532u);
  const uint8_t* info = logo->data;
  EXPECT_EQ(test::le32(info), 40u);
  EXPECT_EQ(test::le32(info + 4), 312u);
  EXPECT_EQ(test::le32(info + 8), 247u);  // positive: bottom-up rows
  EXPECT_EQ(test::le16(info + 12), 1);
  EXPECT_EQ(test::le16(info + 14), 4);
  EXPECT_EQ(test::le32(info + 16), 0u);  // BI_RGB
  EXPECT_EQ(test::le32(info + 20), 38532u);
}

// Icon group 100 lists 32 x 32 and 16 x 16 images; each is an RT_ICON of the size the group states,
// a 16-colour DIB of twice its height (colour bits, then the AND mask).
TEST(KalyxRc, IconGroupListsItsImages) {
  const ResEntry* group = programResources().find(resId(14), resId(IDI_KALYX));
  ASSERT_NE(group, nullptr);
  ASSERT_GE(group->size, 6u);
  EXPECT_EQ(test::le16(group->data + 2), 1);  // icons, not cursors
  const uint16_t count = test::le16(group->data + 4);
  ASSERT_EQ(count, 2);
  ASSERT_EQ(group->size, 6u + 14u * count);
  const uint8_t sizes[] = {32, 16};
  for (uint16_t i = 0; i < count; ++i) {
    const uint8_t* dirEntry = group->data + 6 + 14 * i;
    EXPECT_EQ(dirEntry[0], sizes[i]);
    EXPECT_EQ(dirEntry[1], sizes[i]);
    EXPECT_EQ(test::le16(dirEntry + 6), 4);  // bits per pixel
    const ResEntry* image = programResources().find(resId(3), resId(test::le16(dirEntry + 12)));
    ASSERT_NE(image, nullptr) << "image " << i;
    EXPECT_EQ(image->size, test::le32(dirEntry + 8));
    EXPECT_EQ(test::le32(image->data + 4), sizes[i]);
    EXPECT_EQ(test::le32(image->data + 8), 2u * sizes[i]);
    EXPECT_EQ(test::le16(image->data + 14), 4);
    // Colour rows of 4 bits and mask rows of 1 bit, each padded to 4 bytes.
    uint32_t colourStride = (sizes[i] * 4u + 31) / 32 * 4, maskStride = (sizes[i] + 31u) / 32 * 4;
    EXPECT_EQ(image->size, 40u + 64u + (colourStride + maskStride) * sizes[i]);
  }
}

}  // namespace
}  // namespace kx
