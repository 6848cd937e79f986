// GetTickCount and Sleep are the kernel's: they run on its one clock with or without a desktop.
#include <gtest/gtest.h>
#include <windows.h>

#include "kx/platform.h"

namespace kx::test {
namespace {

TEST(KernelClock, SleepBeforeAnyDesktopMovesTheVirtualClockAndTheFirstWindowKeepsIt) {
  stopPlatform();
  EXPECT_EQ(GetTickCount(), 0u);
  Sleep(700);
  EXPECT_EQ(GetTickCount(), 700u);
  EXPECT_FALSE(platformStarted());
  // The first window DC opens the default headless desktop; its clock goes on from 700, not back.
  HDC screen = GetDC(nullptr);
  ASSERT_NE(screen, nullptr);
  EXPECT_TRUE(platformStarted());
  EXPECT_EQ(GetTickCount(), 700u);
  Sleep(300);
  EXPECT_EQ(clockNow(), 1000u);
  ReleaseDC(nullptr, screen);
  stopPlatform();
}

TEST(KernelClock, AStartedDesktopStartsItsClockAtZeroAndAStoppedOneLeavesAVirtualClock) {
  Sleep(50);
  ASSERT_EQ(startPlatform(), "");
  EXPECT_EQ(GetTickCount(), 0u);
  Sleep(250);
  EXPECT_EQ(GetTickCount(), 250u);
  stopPlatform();
  EXPECT_EQ(GetTickCount(), 0u);
  Sleep(40);
  EXPECT_EQ(GetTickCount(), 40u);
}

}  // namespace
}  // namespace kx::test
