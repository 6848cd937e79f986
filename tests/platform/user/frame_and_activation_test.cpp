// The caption and frame of dialog-style windows, activation between owner and owned windows,
// the cursor, and the idle hook of the headless loop.
#include <gtest/gtest.h>
#include <windows.h>

#include "kx/platform.h"
#include "message_log.h"
#include "support/headless_desktop.h"

namespace kx::test {
namespace {

class FrameAndActivationTest : public HeadlessDesktop {};

TEST_F(FrameAndActivationTest, CaptionedWindowsDrawTheirFrameAroundTheClient) {
  HWND hwnd = createWindow(WS_POPUP | WS_CAPTION | WS_VISIBLE, {100, 100, 300, 200});
  ASSERT_NE(hwnd, nullptr);
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  struct Probe {
    int x, y;
    COLORREF colour;
  };
  // Window 100..299 x 100..199: a black outline, a 3-pixel frame, the caption in rows 103..120
  // of the active colour, the client (black brush) from (103, 121).
  const Probe probes[] = {
      {100, 100, RGB(0, 0, 0)},   {101, 150, face},         {299, 199, RGB(0, 0, 0)},
      {150, 105, RGB(0, 0, 128)}, {150, 150, RGB(0, 0, 0)}, {297, 150, face},
  };
  for (const Probe& p : probes) EXPECT_EQ(desktopPixel(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST_F(FrameAndActivationTest, ClosingAnOwnedWindowReactivatesTheOwner) {
  registerClass("KxOwnerLogged", LoggingWndProc);
  HWND owner = CreateWindowExA(0, "KxOwnerLogged", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                               nullptr, nullptr, nullptr);
  HWND owned = CreateWindowExA(0, "KxOwnerLogged", "", WS_POPUP | WS_VISIBLE, 10, 10, 50, 50, owner, nullptr,
                               nullptr, nullptr);
  EXPECT_EQ(GetActiveWindow(), owned);
  EXPECT_EQ(GetParent(owned), owner) << "a pop-up's parent is its owner";
  messageLog().clear();
  DestroyWindow(owned);
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_EQ(GetFocus(), owner);
  EXPECT_EQ(compareSequence({{WM_WINDOWPOSCHANGING, owned},
                             {WM_WINDOWPOSCHANGED, owned},
                             {WM_NCACTIVATE, owned},
                             {WM_ACTIVATE, owned},
                             {WM_NCACTIVATE, owner},
                             {WM_ACTIVATE, owner},
                             {WM_KILLFOCUS, owned},
                             {WM_SETFOCUS, owner},
                             {WM_DESTROY, owned},
                             {WM_NCDESTROY, owned}}),
            "");
  // Destroying the owner takes its owned windows with it.
  HWND again =
      CreateWindowExA(0, "KxOwnerLogged", "", WS_POPUP, 0, 0, 5, 5, owner, nullptr, nullptr, nullptr);
  DestroyWindow(owner);
  EXPECT_FALSE(IsWindow(again));
}

TEST_F(FrameAndActivationTest, CursorCountsAndFollowsTheMouse) {
  EXPECT_EQ(ShowCursor(FALSE), -1);
  EXPECT_EQ(ShowCursor(FALSE), -2);
  EXPECT_EQ(ShowCursor(TRUE), -1);
  HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  EXPECT_EQ(SetCursor(arrow), nullptr);
  EXPECT_EQ(SetCursor(nullptr), arrow);
  struct Move {
    POINT to, expected;
  };
  // Positions stay on the desktop.
  for (Move m : {Move{{10, 20}, {10, 20}}, Move{{-5, 5000}, {0, kHeight - 1}}}) {
    SetCursorPos(m.to.x, m.to.y);
    POINT p;
    GetCursorPos(&p);
    EXPECT_EQ(p.x, m.expected.x);
    EXPECT_EQ(p.y, m.expected.y);
  }
}

TEST_F(FrameAndActivationTest, IdleHookActsBeforeTheClockJumps) {
  HWND hwnd = createWindow(WS_POPUP, {0, 0, 10, 10});
  SetTimer(hwnd, 1, 1000, nullptr);
  int idleCalls = 0;
  setIdleHandler([&]() {
    if (++idleCalls > 1) return false;
    PostMessageA(hwnd, WM_USER, 0, 0);
    return true;
  });
  MSG msg;
  ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
  EXPECT_EQ(clockNow(), 0u) << "no time passed";
  ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
  EXPECT_EQ(clockNow(), 1000u);
}

}  // namespace
}  // namespace kx::test
