// The entry's single-copy guard: while the name "KALYX32 Screen Saver" is taken, WinMain leaves at
// once with code 1 before it builds anything.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/host.h"
#include "support/headless_desktop.h"
#include "support/temp_home.h"

namespace {

bool g_builtTheApplication = false;

// Runs once WinMain is past its guard; the posted quit ends the saver's loop at once.
void EndAtOnce(CKalyx* /*app*/) {
  g_builtTheApplication = true;
  PostQuitMessage(0);
}

class WinMainGuard : public kx::test::HeadlessDesktop {
 protected:
  void SetUp() override {
    HeadlessDesktop::SetUp();
    g_builtTheApplication = false;
    lpfnSettingsHook = EndAtOnce;
  }
  void TearDown() override {
    lpfnSettingsHook = nullptr;
    UnregisterClassA(kMainClass, nullptr);
    HeadlessDesktop::TearDown();
  }
  static int Run(const char* cmdLine) {
    char line[32];
    lstrcpynA(line, cmdLine, sizeof line);
    return WinMain(nullptr, nullptr, line, SW_SHOW);
  }
  kx::test::TempHome home;
};

TEST_F(WinMainGuard, SecondCopyLeavesWithCode1BeforeBuildingAnything) {
  HANDLE first = CreateMutexA(nullptr, TRUE, kMutexName);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  // The settings mode is refused by the same guard; it is tried as a separate process by the
  // launcher's tests, where a copy that got past the guard cannot hold this test up.
  EXPECT_EQ(Run("/s"), 1);
  EXPECT_FALSE(g_builtTheApplication);
  EXPECT_EQ(FindWindowA(kMainClass, nullptr), nullptr);
  CloseHandle(first);
}

}  // namespace
