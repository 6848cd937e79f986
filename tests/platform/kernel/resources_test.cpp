#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <kx/module.h>

#include "kernel/icon.h"

namespace {

TEST(Resources, FindLoadLockAndSizeAProgramResource) {
  HRSRC found = FindResourceA(nullptr, "DLG_CONFIG", RT_DIALOG);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(FindResourceA(kx::programInstance(), "dlg_config", RT_DIALOG), found);
  HGLOBAL loaded = LoadResource(nullptr, found);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(LockResource(loaded), loaded);
  EXPECT_GT(SizeofResource(nullptr, found), 0u);
  EXPECT_FALSE(FreeResource(loaded));  // FALSE is success
}

TEST(Resources, MissingResourcesAndForgedHandlesFail) {
  struct Case {
    LPCSTR name;
    LPCSTR type;
    DWORD error;
  };
  const Case cases[] = {{"NO_SUCH_DIALOG", RT_DIALOG, ERROR_RESOURCE_NAME_NOT_FOUND},
                        {MAKEINTRESOURCEA(999), RT_DIALOG, ERROR_RESOURCE_NAME_NOT_FOUND},
                        {MAKEINTRESOURCEA(1), RT_CURSOR, ERROR_RESOURCE_TYPE_NOT_FOUND}};
  for (const Case& c : cases) {
    EXPECT_EQ(FindResourceA(nullptr, c.name, c.type), nullptr);
    EXPECT_EQ(GetLastError(), c.error);
  }
  int notAnEntry = 0;
  EXPECT_EQ(LoadResource(nullptr, reinterpret_cast<HRSRC>(&notAnEntry)), nullptr);
  EXPECT_EQ(SizeofResource(nullptr, nullptr), 0u);
}

TEST(Resources, TheModuleIsTheProgram) {
  EXPECT_EQ(GetModuleHandleA(nullptr), kx::programInstance());
  EXPECT_NE(kx::programInstance(), nullptr);
  EXPECT_EQ(GetModuleHandleA("user32.dll"), nullptr);
}

TEST(Resources, StringsComeFromTheirBlockAndAreCutToTheBuffer) {
  struct Case {
    UINT id;
    int size;
    std::string expected;
  };
  const Case cases[] = {{1, 64, "KALYX Display (32 bit)"},
                        {1002, 64, "Screen Saver.Kalyx Display (32 bit)"},
                        {1, 6, "KALYX"},
                        {1, 1, ""},
                        {2, 64, ""},
                        {70000, 64, ""}};
  for (const Case& c : cases) {
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(LoadStringA(nullptr, c.id, buffer, c.size), static_cast<int>(c.expected.size())) << c.id;
    EXPECT_EQ(std::string(buffer), c.expected) << c.id;
  }
  EXPECT_EQ(LoadStringA(nullptr, 1, nullptr, 64), 0);
}

TEST(Resources, StockIconsAndTheArrowAreSharedHandles) {
  size_t liveIcons = kx::HandleTable::instance().liveCount(kx::HandleKind::Icon);
  HICON first = LoadIconA(nullptr, IDI_APPLICATION);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(LoadIconA(nullptr, IDI_APPLICATION), first);
  EXPECT_NE(LoadIconA(nullptr, IDI_HAND), first);
  EXPECT_TRUE(DestroyIcon(first));
  EXPECT_EQ(kx::lookup<kx::IconObject>(first)->width, 32);  // a shared icon outlives DestroyIcon
  EXPECT_EQ(kx::HandleTable::instance().liveCount(kx::HandleKind::Icon), liveIcons);
  EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
  EXPECT_FALSE(DestroyIcon(nullptr));

  HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), arrow);
  auto* cursor = kx::lookup<kx::CursorObject>(arrow);
  ASSERT_NE(cursor, nullptr);
  EXPECT_EQ(cursor->width, 32);
  EXPECT_EQ(LoadCursorA(kx::programInstance(), IDC_ARROW), nullptr);
}

TEST(Resources, TheProgramIconIsDecodedAtThirtyTwoPixels) {
  if (!FindResourceA(nullptr, MAKEINTRESOURCEA(100), RT_GROUP_ICON))
    GTEST_SKIP() << "the program has no icon 100";
  HICON icon = LoadIconA(kx::programInstance(), MAKEINTRESOURCEA(100));
  ASSERT_NE(icon, nullptr);
  auto* object = kx::lookup<kx::IconObject>(icon);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->width, 32);
  EXPECT_EQ(object->height, 32);
  EXPECT_EQ(object->argb.size(), 32u * 32u);
  EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(100)), nullptr);  // not one of the system's
}

}  // namespace
