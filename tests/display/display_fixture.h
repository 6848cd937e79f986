// A headless 1024 x 768 desktop with a full-size main window and the application object attached,
// as the host sets them up before it builds a screen. Settings come from an empty folder, so every
// default applies.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>
#include <kx/platform.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/kalyx.h"

class DisplayTest : public testing::Test {
 protected:
  static constexpr int kWidth = 1024;
  static constexpr int kHeight = 768;

  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / ("kalyx-display-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    setenv("XDG_STATE_HOME", folder.c_str(), 1);
    kx::PlatformOptions options;
    options.width = kWidth;
    options.height = kHeight;
    ASSERT_EQ(kx::startPlatform(options), "");
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = "KalyxTestMain";
    RegisterClassA(&wc);
    hwndMain = CreateWindowExA(0, "KalyxTestMain", nullptr, WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight,
                               nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hwndMain, nullptr);
    if (clrCd != 0) {
      WritePrivateProfileStringA("Settings", "ClrCd", std::to_string(clrCd).c_str(), "Kalyx.ini");
    }
    app = std::make_unique<CKalyx>();
    app->BuildColors();
    app->SetMainWindow(hwndMain);
    Pump();
  }

  void TearDown() override {
    app.reset();
    DestroyWindow(hwndMain);
    kx::stopPlatform();
    std::filesystem::remove_all(folder);
  }

  // Delivers what is queued, paints included, without waiting for timers.
  static void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }

  static COLORREF At(int x, int y) { return kx::desktopPixel(x, y); }

  int clrCd = 0;  // the colour scheme written to the settings before the application starts; 0 none
  std::filesystem::path folder;
  HWND hwndMain = nullptr;
  std::unique_ptr<CKalyx> app;
};
