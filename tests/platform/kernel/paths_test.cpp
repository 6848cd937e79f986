#include "kernel/paths.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include "support/temp_home.h"

namespace kx {
namespace {

TEST(Paths, Win32NamesMapOntoTheTwoFolders) {
  test::TempHome home;
  struct Case {
    const char* win32;
    std::filesystem::path expected;
  };
  const Case cases[] = {
      {"c:\\Kalyx.trc", home.driveC() / "Kalyx.trc"},
      {"C:\\logs\\a.txt", home.driveC() / "logs" / "a.txt"},
      {"c:Kalyx.trc", home.driveC() / "Kalyx.trc"},
      {"c:\\", home.driveC()},
      {"\\Kalyx.trc", home.driveC() / "Kalyx.trc"},
      // ".." stops at the drive's root, as Windows resolves it.
      {"c:\\..\\..\\etc\\passwd", home.driveC() / "etc" / "passwd"},
      {"c:\\a\\.\\b\\..\\c.txt", home.driveC() / "a" / "c.txt"},
      {"/tmp/x.ini", "/tmp/x.ini"},
      {"sub\\x.ini", "sub/x.ini"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(linuxPathFromWin32(c.win32), c.expected) << c.win32;
  }
  EXPECT_EQ(linuxPathFromWin32("d:\\x.txt"), std::nullopt);
  EXPECT_EQ(linuxPathFromWin32(""), std::nullopt);
  EXPECT_EQ(linuxPathFromWin32(nullptr), std::nullopt);
}

TEST(Paths, ABareProfileNameLivesInTheWindowsDirectory) {
  test::TempHome home;
  EXPECT_EQ(windowsDirectory(), home.windowsDirectory());
  EXPECT_EQ(profilePathFromWin32("Kalyx.ini"), home.windowsDirectory() / "Kalyx.ini");
  EXPECT_EQ(profilePathFromWin32("c:\\Kalyx.ini"), home.driveC() / "Kalyx.ini");
  EXPECT_EQ(profilePathFromWin32("sub\\Kalyx.ini"), std::filesystem::path("sub/Kalyx.ini"));
}

TEST(Paths, FoldersFollowTheDefaultsWithoutXdgVariables) {
  test::TempHome home;
  ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("XDG_STATE_HOME", "relative/ignored", 1);
  EXPECT_EQ(windowsDirectory(), home.home() / ".config" / "kalyx");
  EXPECT_EQ(driveCRoot(), home.home() / ".local" / "state" / "kalyx");
}

TEST(Paths, WithoutHomeTheFoldersAreInTheUsersHomeFromThePasswordDatabase) {
  test::TempHome home;
  ::unsetenv("XDG_CONFIG_HOME");
  ::unsetenv("XDG_STATE_HOME");
  const passwd* entry = ::getpwuid(::getuid());
  ASSERT_NE(entry, nullptr);
  const std::filesystem::path own = entry->pw_dir;
  for (const char* value : {static_cast<const char*>(nullptr), "", "relative"}) {
    if (value) {
      ::setenv("HOME", value, 1);
    } else {
      ::unsetenv("HOME");
    }
    EXPECT_EQ(windowsDirectory(), own / ".config" / "kalyx") << (value ? value : "unset");
    EXPECT_EQ(driveCRoot(), own / ".local" / "state" / "kalyx") << (value ? value : "unset");
  }
}

TEST(Paths, OnlyTheMappedFoldersAreCreatedForAFile) {
  test::TempHome home;
  createMappedFolderFor(home.windowsDirectory() / "Kalyx.ini");
  createMappedFolderFor(home.driveC() / "deeper" / "x.trc");
  EXPECT_TRUE(std::filesystem::is_directory(home.windowsDirectory()));
  EXPECT_FALSE(std::filesystem::exists(home.driveC()));
}

}  // namespace
}  // namespace kx
