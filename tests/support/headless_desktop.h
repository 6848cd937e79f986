// A GoogleTest fixture with a fresh headless 1024 x 768 desktop per test, on the virtual clock.
// After the test it destroys the windows left open, unregisters the classes registered through
// registerClass, and fails the test if GDI objects were leaked.
//
//   class PanelTest : public kx::test::HeadlessDesktop {};
//   TEST_F(PanelTest, Paints) { HWND w = createWindow(WS_POPUP | WS_VISIBLE, {0, 0, 100, 50}); ... }
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "kx/platform.h"
#include "support/gdi_leak_check.h"

namespace kx::test {

class HeadlessDesktop : public ::testing::Test {
 protected:
  static constexpr int kWidth = 1024;
  static constexpr int kHeight = 768;

  void SetUp() override;
  void TearDown() override;

  // Registers a class for this test only; the brush is the class background (null: none).
  void registerClass(const char* name, WNDPROC proc, HBRUSH background = nullptr, int windowExtra = 0);
  // A window of a class registered with DefWindowProcA and a black background, for tests that
  // only need somewhere to draw. The rectangle is in screen (or parent client) coordinates.
  HWND createWindow(DWORD style, RECT rect, HWND parent = nullptr);

  // A class registered by the code under test, unregistered with this test's own classes.
  void unregisterAtEnd(const char* name) { m_classes.emplace_back(name); }

  int desktopWidth = kWidth;  // the desktop's size, set before SetUp
  int desktopHeight = kHeight;

  // Runs the message loop until the queue holds nothing but WM_TIMER (or nothing at all).
  void pumpMessages();

 private:
  std::vector<std::string> m_classes;
  GdiCounts m_gdiBefore;
};

}  // namespace kx::test
