// Draws the ship's top view alone, cyan on black, on a headless desktop and writes it as a PNG.
//
//   kalyx_ship_png <file.png> [width]   (200 to 3000 pixels; the height follows from the width)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "kx/platform.h"
#include "gfx/gfx_clr.h"
#include "screens/ship/img_ship_top.h"

namespace {

constexpr double kAspect = 0.372;  // the figure's height as a fraction of its width
constexpr int kMargin = 8;

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: kalyx_ship_png <file.png> [width]\n");
    return 2;
  }
  const int width = argc == 3 ? std::atoi(argv[2]) : 800;
  if (width < 200 || width > 3000) {
    std::fprintf(stderr, "kalyx_ship_png: the width must be 200 to 3000 pixels\n");
    return 2;
  }
  const int height = static_cast<int>((width - 2 * kMargin) * kAspect) + 2 * kMargin;
  kx::PlatformOptions options;
  options.width = width;
  options.height = height;
  const std::string started = kx::startPlatform(options);
  if (!started.empty()) {
    std::fprintf(stderr, "kalyx_ship_png: %s\n", started.c_str());
    return 1;
  }
  HDC screen = GetDC(nullptr);
  const RECT all{0, 0, width, height};
  FillRect(screen, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  CGfxClr cyan, black;
  cyan.SetRGB(0, 255, 255);
  black.SetRGB(0, 0, 0);
  {
    CImgShipTop ship;
    ship.LayOut(RECT{kMargin, 0, width - kMargin, height});
    ship.SetColor(&cyan, &black);
    ship.Draw(nullptr, screen);
  }
  ReleaseDC(nullptr, screen);
  const std::string saved = kx::saveDesktopPng(argv[1]);
  kx::stopPlatform();
  if (!saved.empty()) {
    std::fprintf(stderr, "kalyx_ship_png: %s\n", saved.c_str());
    return 1;
  }
  return 0;
}
