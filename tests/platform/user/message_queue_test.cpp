// The queue: retrieval order, filters, WM_QUIT, translation, and robustness against windows that
// go away while messages are on their way.
#include <gtest/gtest.h>
#include <windows.h>

#include "kx/platform.h"
#include "message_log.h"
#include "support/headless_desktop.h"

namespace kx::test {
namespace {

constexpr const char* kLogged = "KxQueueWindow";

class MessageQueueTest : public HeadlessDesktop {
 protected:
  void SetUp() override {
    HeadlessDesktop::SetUp();
    registerClass(kLogged, LoggingWndProc);
    // The cursor rests away from the window, so showing it brings no mouse move of its own.
    injectMouseMove(500, 500);
    hwnd = CreateWindowExA(0, kLogged, "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hwnd, nullptr);
    messageLog().clear();
  }
  // Removes and returns the messages as GetMessage hands them out, until WM_QUIT.
  std::vector<UINT> drain() {
    std::vector<UINT> order;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      order.push_back(msg.message);
      DispatchMessageA(&msg);
    }
    return order;
  }
  HWND hwnd = nullptr;
};

TEST_F(MessageQueueTest, PostedBeforeInputBeforePaintBeforeTimer) {
  ShowWindow(hwnd, SW_SHOW);  // leaves the window waiting for WM_PAINT
  SetTimer(hwnd, 1, 10, nullptr);
  advanceClock(50);
  injectKeyDown('A');
  PostMessageA(hwnd, WM_USER, 0, 0);
  MSG msg;
  std::vector<UINT> order;
  while (order.size() < 5 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    order.push_back(msg.message);
    DispatchMessageA(&msg);
  }
  EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_KEYDOWN, WM_PAINT, WM_TIMER}));
}

TEST_F(MessageQueueTest, TimerWaitsWhilePostedMessagesKeepComing) {
  SetTimer(hwnd, 1, 10, nullptr);
  advanceClock(100);
  // Each WM_USER posts another, three times: WM_TIMER only comes once the queue is empty.
  PostMessageA(hwnd, WM_USER, 3, 0);
  std::vector<UINT> order;
  MSG msg;
  while (order.size() < 5 && GetMessageA(&msg, nullptr, 0, 0)) {
    order.push_back(msg.message);
    if (msg.message == WM_USER && msg.wParam > 1) PostMessageA(hwnd, WM_USER, msg.wParam - 1, 0);
  }
  EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_USER, WM_USER, WM_TIMER, WM_TIMER}));
}

TEST_F(MessageQueueTest, PeekRemovesOnlyTheFilteredRange) {
  for (UINT m : {WM_USER + 1, WM_USER + 5, WM_USER + 2, WM_USER + 9}) PostMessageA(hwnd, m, 0, 0);
  MSG msg;
  std::vector<UINT> taken;
  while (PeekMessageA(&msg, hwnd, WM_USER + 2, WM_USER + 5, PM_REMOVE)) taken.push_back(msg.message);
  EXPECT_EQ(taken, (std::vector<UINT>{WM_USER + 5, WM_USER + 2}));
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1)) << "PM_NOREMOVE leaves the message";
  std::vector<UINT> rest;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) rest.push_back(msg.message);
  EXPECT_EQ(rest, (std::vector<UINT>{WM_USER + 1, WM_USER + 9}));
}

TEST_F(MessageQueueTest, WindowFilterTakesTheWindowAndItsChildren) {
  HWND child = CreateWindowExA(0, kLogged, "", WS_CHILD, 0, 0, 1, 1, hwnd, nullptr, nullptr, nullptr);
  HWND other = CreateWindowExA(0, kLogged, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  PostMessageA(other, WM_USER, 1, 0);
  PostMessageA(child, WM_USER, 2, 0);
  PostMessageA(nullptr, WM_USER, 3, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 2u);
  EXPECT_FALSE(PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, PostQuitEndsGetMessageWhateverTheFilter) {
  PostMessageA(hwnd, WM_USER, 0, 0);
  PostQuitMessage(7);
  MSG msg;
  EXPECT_EQ(GetMessageA(&msg, hwnd, WM_TIMER, WM_TIMER), FALSE);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "the posted message is still there";
}

TEST_F(MessageQueueTest, EmptyHeadlessLoopWithoutTimersEndsInsteadOfHanging) {
  MSG msg;
  testing::internal::CaptureStderr();
  EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), FALSE);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("wait for ever"), std::string::npos);
}

TEST_F(MessageQueueTest, TranslateMessageTurnsPrintableKeysIntoCharacters) {
  struct Case {
    UINT vk;
    bool shift;
    int expected;  // 0: no WM_CHAR
  };
  const Case cases[] = {{'A', false, 'a'},      {'A', true, 'A'},         {'7', true, '&'},
                        {VK_SPACE, false, ' '}, {VK_RETURN, false, '\r'}, {VK_ESCAPE, false, 27},
                        {VK_LEFT, false, 0},    {VK_F1, false, 0}};
  SetFocus(hwnd);
  ShowWindow(hwnd, SW_SHOW);
  for (const Case& c : cases) {
    if (c.shift) injectKeyDown(VK_SHIFT);
    injectKeyDown(c.vk);
    if (c.shift) injectKeyUp(VK_SHIFT);
    MSG msg;
    int chars = 0, character = 0;
    while (PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
      if (msg.message == WM_KEYDOWN && msg.wParam == c.vk) TranslateMessage(&msg);
      if (msg.message == WM_CHAR) {
        ++chars;
        character = static_cast<int>(msg.wParam);
      }
    }
    EXPECT_EQ(chars, c.expected ? 1 : 0) << c.vk;
    EXPECT_EQ(character, c.expected) << c.vk;
    injectKeyUp(c.vk);
    while (PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
  }
}

TEST_F(MessageQueueTest, MessagesToADestroyedWindowAreDroppedSafely) {
  PostMessageA(hwnd, WM_USER, 0, 0);
  HWND gone = hwnd;
  DestroyWindow(hwnd);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_REMOVE)) << "purged with the window";
  SetLastError(0);
  EXPECT_EQ(SendMessageA(gone, WM_USER, 0, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
  EXPECT_FALSE(PostMessageA(gone, WM_USER, 0, 0));
  MSG stale{gone, WM_USER, 0, 0, 0, {}};
  EXPECT_EQ(DispatchMessageA(&stale), 0);
  EXPECT_EQ(GetMessageA(&msg, gone, 0, 0), -1);
}

// Destroys itself on WM_USER and re-enters itself through SendMessage on WM_USER + 1.
LRESULT CALLBACK SelfDestroyingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  messageLog().push_back(LoggedMessage{hwnd, message, wParam, lParam});
  if (message == WM_USER) {
    DestroyWindow(hwnd);
    // Everything after the window is gone must fail cleanly.
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 1);
    return DefWindowProcA(hwnd, message, wParam, lParam) + 5;
  }
  if (message == WM_USER + 1 && wParam > 0) return SendMessageA(hwnd, WM_USER + 1, wParam - 1, 0) + 1;
  if (message == WM_DESTROY) DestroyWindow(hwnd);  // a second destroy from inside the first
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(MessageQueueTest, WindowDestroyingItselfAndReentrantSendsAreSafe) {
  registerClass("KxSelfDestroying", SelfDestroyingProc);
  HWND self = CreateWindowExA(0, "KxSelfDestroying", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                              nullptr, nullptr, nullptr);
  EXPECT_EQ(SendMessageA(self, WM_USER + 1, 50, 0), 50) << "fifty nested sends";
  messageLog().clear();
  PostMessageA(self, WM_USER, 0, 0);
  MSG msg;
  ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
  EXPECT_EQ(DispatchMessageA(&msg), 5);
  EXPECT_FALSE(IsWindow(self));
  size_t destroys = 0;
  for (const LoggedMessage& m : messageLog()) destroys += m.message == WM_DESTROY;
  EXPECT_EQ(destroys, 1u);
}

TEST_F(MessageQueueTest, CloseDestroysThroughDefWindowProc) {
  PostMessageA(hwnd, WM_CLOSE, 0, 0);
  MSG msg;
  ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
  DispatchMessageA(&msg);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
      << "WM_DESTROY posts no quit by itself";
}

TEST_F(MessageQueueTest, InputGoesToTheFocusOrTheWindowUnderTheMouse) {
  ShowWindow(hwnd, SW_SHOW);
  HWND child =
      CreateWindowExA(0, kLogged, "", WS_CHILD | WS_VISIBLE, 20, 30, 40, 40, hwnd, nullptr, nullptr, nullptr);
  injectMouseMove(25, 35);
  injectMouseMove(30, 36);  // merges with the move before
  injectMouseButton(MouseButton::Left, true, 5, 5);
  injectKeyDown(VK_ESCAPE);
  struct Expected {
    UINT message;
    HWND hwnd;
    LPARAM lParam;
  };
  const Expected expected[] = {{WM_MOUSEMOVE, child, MAKELPARAM(10, 6)},
                               {WM_LBUTTONDOWN, hwnd, MAKELPARAM(5, 5)},
                               {WM_KEYDOWN, hwnd, 1}};
  MSG msg;
  for (const Expected& e : expected) {
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, e.message);
    EXPECT_EQ(msg.hwnd, e.hwnd);
    EXPECT_EQ(msg.lParam, e.lParam);
  }
  POINT cursor;
  GetCursorPos(&cursor);
  EXPECT_EQ(cursor.x, 5);
}

TEST_F(MessageQueueTest, AltAndAMissingFocusMakeSystemKeys) {
  ShowWindow(hwnd, SW_SHOW);
  struct Case {
    bool focused;
    bool alt;
    UINT down, up;
    LPARAM contextBit;  // bit 29: Alt was held
  };
  const Case cases[] = {{true, false, WM_KEYDOWN, WM_KEYUP, 0},
                        {true, true, WM_SYSKEYDOWN, WM_SYSKEYUP, 1L << 29},
                        {false, false, WM_SYSKEYDOWN, WM_SYSKEYUP, 0}};
  for (const Case& c : cases) {
    SetFocus(c.focused ? hwnd : nullptr);
    injectKeyDown('X', c.alt);
    injectKeyUp('X', c.alt);
    MSG down, up;
    ASSERT_TRUE(PeekMessageA(&down, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
    ASSERT_TRUE(PeekMessageA(&up, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
    EXPECT_EQ(down.message, c.down);
    EXPECT_EQ(up.message, c.up);
    EXPECT_EQ(down.hwnd, hwnd) << "the active window takes keys when nothing has the focus";
    EXPECT_EQ(down.lParam & (1L << 29), c.contextBit);
    EXPECT_NE(up.lParam & (1L << 31), 0) << "the transition bit of a release";
  }
}

TEST_F(MessageQueueTest, FocusLossDeactivatesTheActiveWindow) {
  ShowWindow(hwnd, SW_SHOW);
  messageLog().clear();
  injectFocusLoss();
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_PAINT);
  EXPECT_EQ(compareSequence({{WM_NCACTIVATE}, {WM_ACTIVATE}, {WM_ACTIVATEAPP}, {WM_KILLFOCUS}}), "");
  ASSERT_GE(messageLog().size(), 2u);
  EXPECT_EQ(LOWORD(messageLog()[1].wParam), WA_INACTIVE);
  EXPECT_EQ(GetActiveWindow(), nullptr);
}

}  // namespace
}  // namespace kx::test
