#include <gtest/gtest.h>
#include <kx/platform.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/headless_desktop.h"

namespace kx {
namespace {

class ControlClassesTest : public test::HeadlessDesktop {};

TEST_F(ControlClassesTest, ExistAsSoonAsTheDesktopStarts) {
  for (const char* name : {"BUTTON", "EDIT", "STATIC", "#32770", "button", "Edit"}) {
    WNDCLASSA info{};
    EXPECT_TRUE(GetClassInfoA(nullptr, name, &info)) << name;
    EXPECT_NE(info.lpfnWndProc, nullptr) << name;
  }
}

TEST_F(ControlClassesTest, SurviveARestartOfThePlatform) {
  stopPlatform();
  ASSERT_EQ(startPlatform(), "");
  HWND button =
      CreateWindowExA(0, "BUTTON", "Go", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
  EXPECT_NE(button, nullptr);
  DestroyWindow(button);
}

std::vector<WPARAM>* g_commands = nullptr;

LRESULT CALLBACK recordingParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND && g_commands) g_commands->push_back(wParam);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(ControlClassesTest, WorkOutsideADialog) {
  std::vector<WPARAM> commands;
  g_commands = &commands;
  registerClass("KxControlParent", recordingParentProc, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
  HWND parent = CreateWindowExA(0, "KxControlParent", "", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(parent, nullptr);
  HWND button = CreateWindowExA(0, "BUTTON", "Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24,
                                parent, reinterpret_cast<HMENU>(7), nullptr, nullptr);
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 50, 120, 22, parent,
                              reinterpret_cast<HMENU>(8), nullptr, nullptr);
  ASSERT_NE(button, nullptr);
  ASSERT_NE(edit, nullptr);

  injectMouseButton(MouseButton::Left, true, 150, 122);
  injectMouseButton(MouseButton::Left, false, 150, 122);
  pumpMessages();
  EXPECT_NE(std::find(commands.begin(), commands.end(), MAKEWPARAM(7, BN_CLICKED)), commands.end());

  SetFocus(edit);
  for (char c : std::string("42")) injectChar(c);
  pumpMessages();
  char text[16] = {};
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "42");
  g_commands = nullptr;
}

}  // namespace
}  // namespace kx
