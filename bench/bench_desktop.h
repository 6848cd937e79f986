// The headless desktop a screen benchmark runs on: the platform started at the benchmark's size,
// one visible popup over all of it of a class of the benchmark's own, and the application object
// with its colours and that window as its main window. All of it goes with the object, the panels'
// class too (whichever screen registered it), so the next benchmark starts afresh.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/kalyx.h"
#include "kx/platform.h"

class BenchDesktop {
 public:
  BenchDesktop(int width, int height, const char* className) : m_className(className) {
    kx::PlatformOptions options;
    options.width = width;
    options.height = height;
    kx::startPlatform(options);
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    hwnd = CreateWindowExA(0, className, "", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                           nullptr, nullptr);
    m_app.emplace();
    m_app->BuildColors();
    m_app->SetMainWindow(hwnd);
  }
  ~BenchDesktop() {
    m_app.reset();
    kx::stopPlatform();
    UnregisterClassA(m_className.c_str(), nullptr);
    UnregisterClassA("KXSubDisp", nullptr);
  }
  BenchDesktop(const BenchDesktop&) = delete;
  BenchDesktop& operator=(const BenchDesktop&) = delete;

  CKalyx& app() { return *m_app; }

  HWND hwnd = nullptr;

 private:
  std::string m_className;
  std::optional<CKalyx> m_app;
};
