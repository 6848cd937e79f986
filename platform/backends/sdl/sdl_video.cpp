#include "backends/sdl/sdl_video.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace kx {
namespace {

// The drivers that show windows to the user, each with the variable that names its display.
struct VisibleDriver {
  const char* name;
  const char* display;
};
constexpr VisibleDriver kVisibleDrivers[] = {{"x11", "DISPLAY"}, {"wayland", "WAYLAND_DISPLAY"}};

// Xlib calls this once the connection to the X server is lost, and ends the program if it returns.
// Nothing may touch the dead connection after this (SDL's teardown loops forever in XIfEvent on
// it), so no destructor runs: one line and out, with the code for "cannot show the saver".
int onXConnectionLost(Display*) {
  static constexpr char kMessage[] = "kalyx: the X display went away; ending\n";
  ssize_t ignored = ::write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
  (void)ignored;
  ::_exit(2);
}

bool driverNamedByUser() {
  const char* driver = std::getenv("SDL_VIDEODRIVER");
  return driver != nullptr && driver[0] != '\0';
}

std::string displayNames() {
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return std::string("DISPLAY='") + (x ? x : "") + "', WAYLAND_DISPLAY='" + (wayland ? wayland : "") + "'";
}

}  // namespace

std::string openVisibleVideo() {
  // Set before SDL opens the connection, so no moment is left without it.
  XSetIOErrorHandler(onXConnectionLost);
  if (driverNamedByUser()) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
      return std::string("cannot open the display: ") + SDL_GetError();
    return {};
  }
  // Each visible driver whose display is named is tried in turn; SDL's own choice would end on a
  // driver that draws off screen.
  std::string why = "cannot open the display (" + displayNames() + ")";
  for (const VisibleDriver& driver : kVisibleDrivers) {
    const char* display = std::getenv(driver.display);
    if (display == nullptr || display[0] == '\0') continue;
    SDL_SetHint(SDL_HINT_VIDEODRIVER, driver.name);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      why += std::string("; ") + driver.name + ": " + SDL_GetError();
      continue;
    }
    const char* picked = SDL_GetCurrentVideoDriver();
    if (picked != nullptr && std::strcmp(picked, driver.name) == 0) return {};
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
  return why;
}

}  // namespace kx
