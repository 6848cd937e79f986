// Timers on the simulated clock.
#include <gtest/gtest.h>
#include <windows.h>

#include "kx/platform.h"
#include "support/headless_desktop.h"
#include "user/timer.h"

namespace kx::test {
namespace {

class TimerTest : public HeadlessDesktop {
 protected:
  void SetUp() override {
    HeadlessDesktop::SetUp();
    hwnd = createWindow(WS_POPUP, {0, 0, 10, 10});
  }
  // Runs the loop until the simulated clock passes `until`; returns the WM_TIMER ids seen.
  std::vector<UINT_PTR> runUntil(DWORD until) {
    std::vector<UINT_PTR> ids;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
      if (clockNow() > until) break;
      if (msg.message == WM_TIMER) ids.push_back(msg.wParam);
      DispatchMessageA(&msg);
    }
    return ids;
  }
  HWND hwnd = nullptr;
};

struct ProcLog {
  int calls = 0;
  HWND hwnd = nullptr;
  UINT message = 0;
  UINT_PTR id = 0;
  DWORD time = 0;
};
ProcLog g_procLog;

void CALLBACK CountingTimerProc(HWND hwnd, UINT message, UINT_PTR id, DWORD time) {
  g_procLog = ProcLog{g_procLog.calls + 1, hwnd, message, id, time};
}

TEST_F(TimerTest, AnHourOfA501MsTimerIs7185Ticks) {
  // 3,600,000 / 501 = 7185.6: the tick at 7,185 x 501 = 3,599,685 ms is the last within the hour.
  g_procLog = {};
  ASSERT_EQ(SetTimer(hwnd, 1, 501, CountingTimerProc), 1u);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0)) {
    if (msg.time > 3600000) break;
    DispatchMessageA(&msg);
  }
  EXPECT_EQ(g_procLog.calls, 7185);
  EXPECT_EQ(g_procLog.hwnd, hwnd);
  EXPECT_EQ(g_procLog.message, static_cast<UINT>(WM_TIMER));
  EXPECT_EQ(g_procLog.id, 1u);
  EXPECT_EQ(g_procLog.time, 7185u * 501u);
}

TEST_F(TimerTest, ShortPeriodsRunAtTheMinimumAndSettingAgainRestarts) {
  SetTimer(hwnd, 3, 1, nullptr);
  EXPECT_EQ(runUntil(35).size(), 3u) << "ticks at 10, 20 and 30 ms";
  DWORD start = clockNow();
  SetTimer(hwnd, 3, 100, nullptr);
  advanceClock(60);
  SetTimer(hwnd, 3, 100, nullptr);  // restarts: next tick 100 ms from now
  MSG msg;
  ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
  EXPECT_EQ(clockNow() - start, 160u);
}

TEST_F(TimerTest, ALateTimerHasOneTickWaitingNotABacklog) {
  SetTimer(hwnd, 1, 10, nullptr);
  advanceClock(1000);
  MSG msg;
  int waiting = 0;
  while (PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) ++waiting;
  EXPECT_EQ(waiting, 1);
}

// On the real clock a timer can fall due after the queue was looked at and before the loop waits
// (showing a large frame takes a while): the wait must end at once, not wait for input for ever.
// A timer that was due when the queue was looked at was turned away by a filter and is not
// waited for again.
TEST_F(TimerTest, TheWaitCountsTimersThatFellDueAfterTheQueueWasLookedAt) {
  SetTimer(hwnd, 1, 50, nullptr);
  SetTimer(hwnd, 2, 200, nullptr);
  const uint64_t lookedAt = clockNow();
  advanceClock(60);  // the frame took longer than the timer had left
  EXPECT_EQ(nextTimerDue(lookedAt), std::optional<uint64_t>(lookedAt + 50));
  EXPECT_EQ(nextTimerDue(clockNow()), std::optional<uint64_t>(lookedAt + 200));
  KillTimer(hwnd, 2);
  EXPECT_EQ(nextTimerDue(clockNow()), std::nullopt);
}

TEST_F(TimerTest, TimersOfSeveralWindowsTickInDueOrder) {
  HWND other = createWindow(WS_POPUP, {0, 0, 10, 10});
  SetTimer(hwnd, 1, 30, nullptr);
  SetTimer(other, 2, 20, nullptr);
  EXPECT_EQ(runUntil(65), (std::vector<UINT_PTR>{2, 1, 2, 1, 2}));
  EXPECT_TRUE(KillTimer(other, 2));
  EXPECT_FALSE(KillTimer(other, 2));
  EXPECT_FALSE(KillTimer(hwnd, 2)) << "the id belongs to another window";
}

void CALLBACK SelfKillingTimerProc(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  ++g_procLog.calls;
  KillTimer(hwnd, id);
}

TEST_F(TimerTest, ATimerKilledInItsOwnCallbackStops) {
  g_procLog = {};
  SetTimer(hwnd, 9, 50, SelfKillingTimerProc);
  SetTimer(hwnd, 10, 500, nullptr);  // keeps the loop alive past the first
  EXPECT_EQ(runUntil(400), (std::vector<UINT_PTR>{9}));
  EXPECT_EQ(g_procLog.calls, 1);
}

TEST_F(TimerTest, WindowTimersDieWithTheWindowAndThreadTimersGetIds) {
  SetTimer(hwnd, 1, 10, nullptr);
  DestroyWindow(hwnd);
  UINT_PTR first = SetTimer(nullptr, 0, 10, CountingTimerProc);
  UINT_PTR second = SetTimer(nullptr, 0, 10, CountingTimerProc);
  EXPECT_NE(first, 0u);
  EXPECT_NE(first, second);
  g_procLog = {};
  MSG msg;
  ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.hwnd, nullptr);
  DispatchMessageA(&msg);
  EXPECT_EQ(g_procLog.calls, 1);
  EXPECT_EQ(SetTimer(reinterpret_cast<HWND>(0x1234), 1, 10, nullptr), 0u);
}

TEST_F(TimerTest, FrameObserverSeesEachDispatchedTimer) {
  std::vector<DWORD> frames;
  setFrameObserver([&frames](DWORD now) { frames.push_back(now); });
  SetTimer(hwnd, 1, 40, nullptr);
  runUntil(130);
  EXPECT_EQ(frames, (std::vector<DWORD>{40, 80, 120}));
}

TEST_F(TimerTest, TickCountAndSleepFollowTheSimulatedClock) {
  DWORD before = GetTickCount();
  Sleep(1500);
  EXPECT_EQ(GetTickCount() - before, 1500u);
  EXPECT_TRUE(clockIsVirtual());
}

}  // namespace
}  // namespace kx::test
