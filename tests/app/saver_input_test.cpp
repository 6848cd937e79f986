#include "app/saver_input.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/host.h"
#include "support/headless_desktop.h"
#include "support/temp_home.h"

namespace {

std::vector<UINT>* g_seen = nullptr;

// Records what the saver's windows act on, then behaves as every saver window does.
LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (g_seen != nullptr && (msg == WM_KX_ENDREQUEST || msg == WM_KX_ENDREFUSED || msg == WM_CLOSE)) {
    g_seen->push_back(msg);
  }
  return SaverDefWndProc(hwnd, msg, wParam, lParam);
}

class SaverInput : public kx::test::HeadlessDesktop {
 protected:
  void SetUp() override {
    HeadlessDesktop::SetUp();
    registerClass("KxSaverInputTest", RecordingProc);
    g_seen = &seen;
    NewSaverWindow();
  }
  void TearDown() override {
    g_seen = nullptr;
    HeadlessDesktop::TearDown();
  }

  // A shown saver window with nothing recorded yet, as after start-up.
  void NewSaverWindow() {
    if (hwnd != nullptr && IsWindow(hwnd)) DestroyWindow(hwnd);
    Pump();
    bInEndRequest = false;
    hwnd = CreateWindowExA(0, "KxSaverInputTest", "", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr,
                           nullptr, nullptr, nullptr);
    ASSERT_NE(hwnd, nullptr);
    Pump();
    seen.clear();
    // Showing the window activated it, which recorded the cursor; forget it so that each case
    // starts with no position recorded.
    ptCursor = {-1, -1};
  }

  // Dispatches everything waiting; true when the loop was told to quit.
  bool Pump() {
    MSG msg;
    bool quit = false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        continue;
      }
      DispatchMessageA(&msg);
    }
    return quit;
  }

  bool EndRequested() const {
    for (UINT msg : seen) {
      if (msg == WM_KX_ENDREQUEST) return true;
    }
    return false;
  }

  HWND hwnd = nullptr;
  std::vector<UINT> seen;
};

TEST_F(SaverInput, WhatEndsTheSaver) {
  using Step = std::function<void()>;
  struct Case {
    const char* what;
    std::vector<Step> steps;  // the queue is emptied after each, so mouse moves are not merged
    bool ends;
  };
  const Case cases[] = {
      {"key press", {[] { kx::injectKeyDown('A'); }}, true},
      {"system key press", {[] { kx::injectKeyDown('F', true); }}, true},
      {"key release alone", {[] { kx::injectKeyUp('A'); }}, false},
      {"character alone", {[] { kx::injectChar('x'); }}, false},
      {"first mouse move only records", {[] { kx::injectMouseMove(100, 100); }}, false},
      {"mouse move to the same spot",
       {[] { kx::injectMouseMove(200, 200); }, [] { kx::injectMouseMove(200, 200); }},
       false},
      {"mouse move elsewhere",
       {[] { kx::injectMouseMove(300, 300); }, [] { kx::injectMouseMove(301, 300); }},
       true},
      {"focus loss", {[] { kx::injectFocusLoss(); }}, true},
  };
  for (const Case& c : cases) {
    NewSaverWindow();
    bool quit = false;
    for (const Step& step : c.steps) {
      step();
      quit = Pump() || quit;
    }
    EXPECT_EQ(EndRequested(), c.ends) << c.what;
    // With password checking off, every end request closes the window and ends the loop.
    EXPECT_EQ(quit, c.ends) << c.what;
    EXPECT_EQ(IsWindow(hwnd) == FALSE, c.ends) << c.what;
  }
}

TEST_F(SaverInput, MouseButtonsEndTheSaver) {
  for (kx::MouseButton button : {kx::MouseButton::Left, kx::MouseButton::Right, kx::MouseButton::Middle}) {
    NewSaverWindow();
    // The cursor rests where the button is pressed, so only the press can end the saver.
    kx::injectMouseMove(50, 50);
    Pump();
    kx::injectMouseButton(button, true, 50, 50);
    Pump();
    EXPECT_TRUE(EndRequested());
  }
}

TEST_F(SaverInput, ActivationRecordsTheCursor) {
  kx::injectMouseMove(40, 30);
  Pump();
  ptCursor = {-1, -1};
  SendMessageA(hwnd, WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(ptCursor.x, 40);
  EXPECT_EQ(ptCursor.y, 30);
  EXPECT_FALSE(EndRequested());
}

TEST_F(SaverInput, InputDuringTheGateIsIgnored) {
  bInEndRequest = true;
  kx::injectKeyDown('A');
  kx::injectMouseMove(10, 10);
  kx::injectMouseMove(20, 20);
  Pump();
  EXPECT_FALSE(EndRequested());
  EXPECT_EQ(ptCursor.x, -1);  // the cursor is not even looked at
}

TEST_F(SaverInput, EndRequestClosesAndPurgesPendingInput) {
  PostMessageA(hwnd, WM_KEYDOWN, 'A', 0);
  PostMessageA(hwnd, WM_MOUSEMOVE, 0, 0);
  PostMessageA(hwnd, WM_CHAR, 'a', 0);
  SendMessageA(hwnd, WM_KX_ENDREQUEST, 0, 0);
  EXPECT_FALSE(bInEndRequest);
  MSG msg;
  std::vector<UINT> left;
  while (PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE)) left.push_back(msg.message);
  EXPECT_EQ(left, std::vector<UINT>{WM_CLOSE});
}

TEST_F(SaverInput, AppearingUnderTheCursorHidesItAndCarriesOn) {
  DestroyWindow(hwnd);
  Pump();
  kx::injectMouseMove(300, 200);  // the bare desktop lies there: nothing hears of it
  Pump();
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  seen.clear();
  ptCursor = {-1, -1};
  hwnd = CreateWindowExA(0, "KxSaverInputTest", "", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr,
                         nullptr, nullptr, nullptr);
  ASSERT_NE(hwnd, nullptr);
  MSG move;
  ASSERT_TRUE(PeekMessageA(&move, hwnd, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_NOREMOVE))
      << "the window hears of the mouse";
  EXPECT_EQ(move.lParam, MAKELPARAM(300, 200));
  EXPECT_FALSE(Pump());
  EXPECT_EQ(GetCursor(), nullptr) << "the first move hides the cursor";
  EXPECT_FALSE(EndRequested());
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(ptCursor.x, 300);
  EXPECT_EQ(ptCursor.y, 200);
}

// With checking on and a password stored, the gate answers -1: its dialog cannot show. A panel
// closes only on exactly 1 and carries on; the main window closes on any non-zero answer, so a
// dialog that cannot show never traps the user.
TEST_F(SaverInput, GateThatCannotShowItsDialogClosesTheMainWindowOnly) {
  kx::test::TempHome home;
  WritePrivateProfileStringA("ScreenSaver", "Password", "PW", "CONTROL.INI");
  struct CheckingOn {
    CheckingOn() { bCheckPassword = true; }
    ~CheckingOn() { bCheckPassword = false; }
  } checking;
  ASSERT_EQ(PasswordGate(), -1);

  PostMessageA(hwnd, WM_KX_ENDREQUEST, 0, 0);
  EXPECT_FALSE(Pump());
  EXPECT_EQ(seen, (std::vector<UINT>{WM_KX_ENDREQUEST, WM_KX_ENDREFUSED}));
  EXPECT_TRUE(IsWindow(hwnd));

  EXPECT_EQ(MainWndProc(hwnd, WM_KX_ENDREQUEST, 0, 0), 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_CLOSE));
}

TEST(PasswordGate, OpenWhileCheckingIsOff) {
  EXPECT_FALSE(bCheckPassword);
  EXPECT_EQ(PasswordGate(), 1);
}

}  // namespace
