// The host's chooser, frame timer and main window, with fake screens that record their steps.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <new>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/host.h"
#include "app/kalyx.h"
#include "display/display.h"
#include "support/headless_desktop.h"
#include "support/temp_home.h"

namespace {

std::vector<int> g_steps;  // the steps of every Animate call
bool g_creationFails[kDisplays + 1] = {};
bool g_setUpThrows = false;

class FakeDisplay : public CDisplay {
 public:
  FakeDisplay(CKalyx* app, int number) : CDisplay(app) { id = number; }
  int Animate(int step) override {
    g_steps.push_back(step);
    return 0;
  }
  int SetUp() override {
    if (g_setUpThrows) throw std::runtime_error("set-up failed");
    return 0;
  }
};

template <int Number>
CDisplay* CreateFake(CKalyx* app) {
  if (g_creationFails[Number]) return nullptr;
  return new (std::nothrow) FakeDisplay(app, Number);
}

constexpr DisplayCreator kFakes[kDisplays] = {&CreateFake<1>, &CreateFake<2>, &CreateFake<3>,
                                              &CreateFake<4>, &CreateFake<5>, &CreateFake<6>};

class HostTest : public kx::test::HeadlessDesktop {
 protected:
  void SetUp() override {
    HeadlessDesktop::SetUp();
    std::copy(std::begin(aScreens), std::end(aScreens), m_savedScreens);
    for (int i = 0; i < kDisplays; ++i) aScreens[i].create = kFakes[i];
    g_steps.clear();
    std::fill(std::begin(g_creationFails), std::end(g_creationFails), false);
    g_setUpThrows = false;
    lpKalyx = new CKalyx;
    m_window = createWindow(WS_POPUP, {0, 0, kWidth, kHeight});
    lpKalyx->hwndMain = m_window;
  }
  void TearDown() override {
    DeleteDisplay();
    delete lpKalyx;
    lpKalyx = nullptr;
    nTicks = 0;
    nSeconds = 0;
    std::copy(std::begin(m_savedScreens), std::end(m_savedScreens), aScreens);
    HeadlessDesktop::TearDown();
  }

  // Enables exactly the listed screens, as the settings would.
  void enable(std::initializer_list<int> numbers) {
    for (const ScreenEntry& screen : aScreens)
      lpKalyx->*screen.enable = std::count(numbers.begin(), numbers.end(), screen.number) ? 1 : 0;
    lpKalyx->DispTest = 1;
    lpKalyx->CountDisplays();
  }
  // Reads the settings again, screen flags included: call before enable.
  void setClock(int clkScndCnt, int scrnScnds) {
    WritePrivateProfileStringA("Settings", "ClkScndCnt", std::to_string(clkScndCnt).c_str(), "Kalyx.ini");
    WritePrivateProfileStringA("Settings", "ScrnScnds", std::to_string(scrnScnds).c_str(), "Kalyx.ini");
    lpKalyx->LoadSettings();
  }
  int shownId() const { return lpDisplay != nullptr ? lpDisplay->id : 0; }
  // One tick; true when it asked for the next screen.
  bool tick() {
    TimerProc(m_window, WM_TIMER, kFrameTimer, 0);
    MSG msg;
    bool asked = false;
    while (PeekMessageA(&msg, m_window, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
      asked = asked || msg.wParam == kCmdNextDisplay;
    }
    return asked;
  }
  std::string trace() const {
    std::ifstream in(m_home.driveC() / "Kalyx.trc", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  kx::test::TempHome m_home;
  HWND m_window = nullptr;

 private:
  ScreenEntry m_savedScreens[kDisplays] = {};
};

TEST(IsSaverModeTest, FirstSwitchWithSomethingBehindItDecides) {
  struct Case {
    const char* cmdLine;
    bool saver;
  } cases[] = {
      {"/s", true},  {"-s", true},       {"/S", true},  {" -S", true},  {"x /s", true},
      {"/c", false}, {"/p 1234", false}, {"/a", false}, {"", false},    {"/", false},
      {"s", false},  {"/c /s", false},   {"-", false},  {"abc", false}, {"/s1", true},
  };
  for (const Case& c : cases) EXPECT_EQ(IsSaverMode(c.cmdLine), c.saver) << "'" << c.cmdLine << "'";
}

TEST_F(HostTest, ChoiceCountsCandidatesUpToX) {
  struct Case {
    float x;
    int current;
    std::initializer_list<int> enabled;
    int chosen;
  } cases[] = {
      {2.5f, 3, {1, 2, 4, 5}, 5},                            // visits 1, 2, 4 pass; 5 at i = 3
      {9.1f, 3, {1, 2, 4, 5}, 4},                            // two full wraps; 4 at i = 10
      {0.0f, 0, {1, 2, 3, 4, 5}, 1},                         // x = 0 takes the first
      {10.0f, 0, {1, 2, 3, 4, 5}, 1}, {1.0f, 2, {2, 5}, 5},  // the current screen is never a candidate
  };
  for (const Case& c : cases) {
    enable(c.enabled);
    lpDisplay = c.current != 0 ? new FakeDisplay(lpKalyx, c.current) : nullptr;
    SelectDisplayAt(c.x);
    EXPECT_EQ(shownId(), c.chosen) << "x = " << c.x << ", current " << c.current;
    DeleteDisplay();
  }
}

TEST_F(HostTest, ScreenThatCannotBeCreatedPassesTheTurnOn) {
  enable({1, 2, 4, 5});
  g_creationFails[4] = true;
  lpDisplay = new FakeDisplay(lpKalyx, 3);
  SelectDisplayAt(1.5f);  // 4 is due at i = 2
  EXPECT_EQ(shownId(), 5);
}

TEST_F(HostTest, NoScreenAtAllEndsTheSearchWithoutOne) {
  enable({1, 2});
  g_creationFails[1] = g_creationFails[2] = true;
  SelectNextDisplay();
  EXPECT_EQ(lpDisplay, nullptr);
  tick();  // ticks without a screen are harmless
  EXPECT_TRUE(g_steps.empty());
}

TEST_F(HostTest, ConsecutiveScreensDifferWithTwoOrMoreEnabled) {
  const std::initializer_list<int> sets[] = {{1, 2}, {2, 5}, {1, 3, 4}, {1, 2, 3, 4, 5}};
  for (const auto& set : sets) {
    enable(set);
    int previous = 0;
    for (int n = 0; n < 10000; ++n) {
      SelectNextDisplay();
      ASSERT_NE(shownId(), previous) << "choice " << n;
      ASSERT_TRUE(std::count(set.begin(), set.end(), shownId())) << shownId();
      previous = shownId();
    }
  }
}

TEST_F(HostTest, TestScreenWhenNoneOfTheFiveIsEnabled) {
  enable({});
  SelectNextDisplay();
  EXPECT_EQ(shownId(), 6);
}

TEST_F(HostTest, TestScreenStandsInWhileNoEnabledScreenIsBuilt) {
  // Screens 1 to 5 enabled but none of them in this build: the test screen shows, and a request
  // for the next screen builds it again instead of leaving the saver without a screen.
  for (int i = 0; i < kDisplays - 1; ++i) aScreens[i].create = nullptr;
  enable({1, 2, 3, 4, 5});
  for (int n = 0; n < 3; ++n) {
    SelectNextDisplay();
    ASSERT_EQ(shownId(), 6) << "choice " << n;
  }
  aScreens[3].create = &CreateFake<4>;
  SelectNextDisplay();
  EXPECT_EQ(shownId(), 4) << "a built screen takes over from the stand-in";
}

TEST_F(HostTest, SingleEnabledScreenIsNeverRebuilt) {
  for (auto set : {std::initializer_list<int>{4}, std::initializer_list<int>{}}) {
    setClock(1, 1);
    enable(set);
    g_steps.clear();
    SelectNextDisplay();
    const CDisplay* first = lpDisplay;
    for (int n = 0; n < 100; ++n) ASSERT_FALSE(tick()) << "tick " << n;
    EXPECT_EQ(lpDisplay, first);
    EXPECT_EQ(g_steps.size(), 100u);
    DeleteDisplay();
  }
}

TEST_F(HostTest, WholeSecondTicksFollowThePeriod) {
  // Worked examples: the period is 1000 / ClkScndCnt + 1 ms, and a tick completes a second once
  // period x ticks reaches 1000.
  struct Case {
    int clkScndCnt;
    int period;
    int ticksPerSecond;
  } cases[] = {{1, 1001, 1}, {2, 501, 2}, {3, 334, 3}, {10, 101, 10}, {1000, 2, 500}, {5000, 1, 1000}};
  for (const Case& c : cases) {
    setClock(c.clkScndCnt, 1000);
    enable({1, 2});
    ASSERT_EQ(lpKalyx->TimerPeriod, c.period);
    lpDisplay = new FakeDisplay(lpKalyx, 1);
    g_steps.clear();
    for (int n = 0; n < 3 * c.ticksPerSecond; ++n) tick();
    for (size_t n = 0; n < g_steps.size(); ++n) {
      ASSERT_EQ(g_steps[n], (n + 1) % c.ticksPerSecond == 0 ? 2 : 1)
          << "ClkScndCnt " << c.clkScndCnt << " tick " << n + 1;
    }
    EXPECT_EQ(g_steps.size(), 3u * c.ticksPerSecond);
    DeleteDisplay();
    nTicks = nSeconds = 0;
  }
}

TEST_F(HostTest, ScreenChangesOnThe31stWholeSecondWithAnimationOnOrOff) {
  for (int anim : {1, 0}) {
    setClock(2, 30);
    enable({1, 2});
    lpKalyx->ScrnAnim = anim;
    lpDisplay = new FakeDisplay(lpKalyx, 1);
    g_steps.clear();
    int askedAt = 0;
    for (int n = 1; n <= 70 && askedAt == 0; ++n) {
      if (tick()) askedAt = n;
    }
    EXPECT_EQ(askedAt, 62) << "ScrnAnim " << anim;  // 31 seconds of two ticks
    // The tick that asks for the next screen animates nothing.
    EXPECT_EQ(g_steps.size(), anim != 0 ? 61u : 0u);
    EXPECT_EQ(nSeconds, 0);
    EXPECT_EQ(nTicks, 0);
    DeleteDisplay();
  }
}

TEST_F(HostTest, TickDiscardsQueuedTimerMessages) {
  enable({1, 2});
  SelectNextDisplay();
  for (int n = 0; n < 3; ++n) PostMessageA(m_window, WM_TIMER, kFrameTimer, 0);
  tick();
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, m_window, WM_TIMER, WM_TIMER, PM_NOREMOVE));
}

TEST_F(HostTest, TickWithoutApplicationObjectOnlyLogs) {
  CKalyx* app = lpKalyx;
  lpKalyx = nullptr;
  TimerProc(m_window, WM_TIMER, kFrameTimer, 0);
  lpKalyx = app;
  EXPECT_NE(trace().find("TimerProc - Error, lpKalyx is null!"), std::string::npos) << trace();
}

TEST_F(HostTest, ExceptionInAMessageIsLoggedAndAnsweredWithZero) {
  enable({1, 2});
  g_setUpThrows = true;
  EXPECT_EQ(MainWndProc(m_window, WM_COMMAND, kCmdNextDisplay, 0), 0);
  EXPECT_NE(trace().find("\r\n * * * exception * * *"), std::string::npos) << trace();
}

// The whole run of the main window: the first screen on start, painting, and the end.
TEST_F(HostTest, MainWindowShowsAScreenAndEndsOnCommand101) {
  enable({1, 2});
  lpKalyx->hwndMain = nullptr;
  hbrMain = CreateSolidBrush(RGB(0, 0, 0));
  ASSERT_NE(RegisterMainClass(nullptr), 0);
  ASSERT_EQ(CreateMainWindow(nullptr, SW_SHOW), 1);
  HWND main = lpKalyx->hwndMain;
  ASSERT_NE(main, nullptr);
  RECT rect;
  GetWindowRect(main, &rect);
  EXPECT_EQ(rect.right - rect.left, kWidth);
  EXPECT_EQ(rect.bottom - rect.top, kHeight);
  pumpMessages();
  EXPECT_TRUE(shownId() == 1 || shownId() == 2);
  PostMessageA(main, WM_COMMAND, kCmdExit, 0);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(lpKalyx, nullptr);
  EXPECT_EQ(lpDisplay, nullptr);
  EXPECT_EQ(hbrMain, nullptr);
  UnregisterClassA(kMainClass, nullptr);
}

}  // namespace
