// The headless desktop: its size, its pixels, PNG output, and the SDL backend's refusal without a
// display.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "kx/platform.h"
#include "support/headless_desktop.h"

namespace kx::test {
namespace {

class HeadlessBackendTest : public HeadlessDesktop {};

TEST_F(HeadlessBackendTest, DesktopPixelsAreReadableAndSavedAsPng) {
  HWND hwnd = createWindow(WS_POPUP | WS_VISIBLE, {10, 10, 30, 20});
  HDC hdc = GetDC(hwnd);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT box{0, 0, 5, 5};
  FillRect(hdc, &box, red);
  DeleteObject(red);
  ReleaseDC(hwnd, hdc);

  EXPECT_EQ(desktopPixel(10, 10), RGB(255, 0, 0));
  EXPECT_EQ(desktopPixel(15, 15), RGB(0, 0, 0));
  EXPECT_EQ(desktopPixel(-1, 0), CLR_INVALID);
  EXPECT_EQ(desktopPixel(kWidth, 0), CLR_INVALID);
  DesktopPixels all = desktopPixels();
  EXPECT_EQ(all.width, kWidth);
  EXPECT_EQ(all.height, kHeight);
  EXPECT_EQ(all.pixels[10 * all.stride + 14], 0xFF0000u);

  std::filesystem::path png = std::filesystem::temp_directory_path() / "kx_headless_backend_test.png";
  ASSERT_EQ(saveDesktopPng(png.string()), "");
  // The PNG signature, then the IHDR chunk with the width and height, big-endian.
  std::ifstream file(png, std::ios::binary);
  unsigned char head[24] = {};
  file.read(reinterpret_cast<char*>(head), sizeof head);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(head + 1), 3), "PNG");
  EXPECT_EQ((head[16] << 24) | (head[17] << 16) | (head[18] << 8) | head[19], kWidth);
  EXPECT_EQ((head[20] << 24) | (head[21] << 16) | (head[22] << 8) | head[23], kHeight);
  std::filesystem::remove(png);

  EXPECT_NE(saveDesktopPng("/nonexistent-folder/x.png"), "");
}

TEST(PlatformStartTest, SizesAndBackendsAreCheckedWithAReason) {
  struct Case {
    PlatformOptions options;
    const char* reasonContains;  // empty: starts
  };
  const Case cases[] = {
      {{BackendKind::Headless, 640, 480, false, 0, {}}, ""},
      {{BackendKind::Headless, 0, 480, false, 0, {}}, "out of range"},
      {{BackendKind::Headless, 640, 100000, false, 0, {}}, "out of range"},
  };
  for (const Case& c : cases) {
    std::string reason = startPlatform(c.options);
    if (*c.reasonContains == '\0') {
      EXPECT_EQ(reason, "");
      EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), c.options.width);
    } else {
      EXPECT_NE(reason.find(c.reasonContains), std::string::npos) << reason;
      EXPECT_FALSE(platformStarted());
    }
    stopPlatform();
  }
}

TEST(PlatformStartTest, SdlWithoutADisplaySaysSo) {
  std::string display = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
  std::string wayland = std::getenv("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : "";
  std::string driver = std::getenv("SDL_VIDEODRIVER") ? std::getenv("SDL_VIDEODRIVER") : "";
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  unsetenv("SDL_VIDEODRIVER");
  PlatformOptions options;
  options.backend = BackendKind::Sdl;
  std::string reason = startPlatform(options);
  EXPECT_NE(reason.find("DISPLAY"), std::string::npos) << reason;
  EXPECT_FALSE(platformStarted());
  if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
  if (!wayland.empty()) setenv("WAYLAND_DISPLAY", wayland.c_str(), 1);
  if (!driver.empty()) setenv("SDL_VIDEODRIVER", driver.c_str(), 1);
}

}  // namespace
}  // namespace kx::test
