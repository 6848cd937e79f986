// A window that appears under the resting cursor hears of the mouse, as on Windows: one
// WM_MOUSEMOVE at the cursor, for the window now under it.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "kx/platform.h"
#include "support/headless_desktop.h"

namespace kx::test {
namespace {

class InputTest : public HeadlessDesktop {
 protected:
  // Removes the waiting mouse moves.
  static std::vector<MSG> takeMouseMoves() {
    std::vector<MSG> moves;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) moves.push_back(msg);
    return moves;
  }
};

TEST_F(InputTest, AWindowShownUnderTheCursorGetsOneMouseMove) {
  struct Case {
    const char* what;
    POINT cursor;
    bool createVisible;  // otherwise created hidden and then shown with ShowWindow
    bool onChild;        // the point lies on a child, which takes the move
    bool expected;
  };
  // The window lies at 100..299 x 50..149; its child at 20..59 x 10..39 of its client area.
  const Case cases[] = {
      {"created visible", {250, 120}, true, false, true},
      {"created visible, over its child", {130, 70}, true, true, true},
      {"shown later", {299, 149}, false, false, true},
      {"shown later, over its child", {130, 70}, false, true, true},
      {"beside it", {300, 100}, true, false, false},
  };
  for (const Case& c : cases) {
    injectMouseMove(c.cursor.x, c.cursor.y);  // nothing lies there yet: nothing is queued
    ASSERT_TRUE(takeMouseMoves().empty()) << c.what;
    DWORD visible = c.createVisible ? WS_VISIBLE : 0;
    HWND top = createWindow(WS_POPUP | visible, {100, 50, 300, 150});
    HWND child = createWindow(WS_CHILD | WS_VISIBLE, {20, 10, 60, 40}, top);
    if (!c.createVisible) ShowWindow(top, SW_SHOW);
    std::vector<MSG> moves = takeMouseMoves();
    ASSERT_EQ(moves.size(), c.expected ? 1u : 0u) << c.what;
    if (c.expected) {
      HWND target = c.onChild ? child : top;
      POINT client = c.cursor;
      ScreenToClient(target, &client);
      EXPECT_EQ(moves[0].hwnd, target) << c.what;
      EXPECT_EQ(moves[0].lParam, MAKELPARAM(client.x, client.y)) << c.what;
    }
    DestroyWindow(top);
  }
}

}  // namespace
}  // namespace kx::test
