// The headless 1024 x 768 desktop with a full-size main window and the application object
// attached, as the host sets them up before it builds a screen. Settings come from a fresh private
// home, so every default applies. After each test the panels' class is unregistered and no GDI
// object may be left alive.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>
#include <kx/platform.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "app/kalyx.h"
#include "display/display.h"
#include "support/headless_desktop.h"
#include "support/temp_home.h"

class DisplayTest : public kx::test::HeadlessDesktop {
 protected:
  void SetUp() override {
    HeadlessDesktop::SetUp();
    CKalyx::bTraceFresh = true;
    CKalyx::nTraceCount = 0;
    registerClass("KalyxTestMain", MainWndProc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    // The panels register their class themselves; it goes with the test like the main window's.
    unregisterAtEnd("KXSubDisp");
    hwndMain = CreateWindowExA(0, "KalyxTestMain", nullptr, WS_POPUP | WS_VISIBLE, 0, 0, desktopWidth,
                               desktopHeight, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hwndMain, nullptr);
    if (clrCd != 0) {
      WritePrivateProfileStringA("Settings", "ClrCd", std::to_string(clrCd).c_str(), "Kalyx.ini");
    }
    app = std::make_unique<CKalyx>();
    app->BuildColors();
    app->SetMainWindow(hwndMain);
    kalyx = app.get();
    Pump();
  }

  void TearDown() override {
    screen = nullptr;
    ticks = 0;
    kalyx = nullptr;
    app.reset();
    DestroyWindow(hwndMain);
    HeadlessDesktop::TearDown();
  }

  // Delivers what is queued, paints included, without waiting for timers.
  static void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }

  static COLORREF At(int x, int y) { return kx::desktopPixel(x, y); }

  // The text of the trace file, empty when nothing was written.
  std::string Trace() const {
    std::ifstream in(home.driveC() / "Kalyx.trc", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // As the host does: the main window paints this screen on WM_PAINT, and its timer, with
  // kTicksPerSecond ticks a second, animates it with step 2 on each tick that completes a second.
  static constexpr UINT kTickPeriod = 250;
  static constexpr int kTicksPerSecond = 1000 / kTickPeriod;
  static inline CDisplay* screen = nullptr;
  static inline int ticks = 0;
  static inline CKalyx* kalyx = nullptr;  // the application the timer hands the owner window to

  int clrCd = 0;  // the colour scheme written to the settings before the application starts; 0 none
  kx::test::TempHome home;
  HWND hwndMain = nullptr;
  std::unique_ptr<CKalyx> app;

 private:
  static LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT && screen) {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      screen->Paint(hwnd, hdc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    if (msg == WM_TIMER && screen) {
      kalyx->hwndOwner = hwnd;
      screen->Animate(++ticks % kTicksPerSecond == 0 ? 2 : 1);
      return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
};
