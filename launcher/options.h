// The Linux command line: our own "--" options, and the rest handed to WinMain as Windows would.
#pragma once

#include <string>
#include <vector>

namespace kx {

// Settings for one run that win over "Kalyx.ini" without being written to it; 0 or empty for
// "as the file says".
struct SettingsOverrides {
  std::vector<int> screens;  // --screens (and --screen): the screens enabled, by number
  int fps = 0;               // --fps: ticks per second
  int secondsPerScreen = 0;  // --seconds-per-screen
  int colorCode = 0;         // --colors: the scheme's ClrCd (1 the 256-colour one, 2 high colour)
  bool textGiven = false;    // --text, "||" standing for a line break as in the file
  std::string text;

  bool any() const { return !screens.empty() || fps || secondsPerScreen || colorCode || textGiven; }
};

struct LaunchOptions {
  // Hack: a display program of the X screen-saver daemon, drawing on the root window or in a
  // window it names.
  enum class Mode { Native, Window, Record, Hack, Help, Version };
  Mode mode = Mode::Native;
  int width = 1024;  // --window and --record: the desktop's size
  int height = 768;
  int seconds = 10;   // --record: saver time recorded
  int screen = 0;     // --screen: 1 to 6, 0 for the settings' own choice
  bool demo = false;  // --demo: every screen of the build in turn, --seconds each
  std::string recordPath;
  std::string winCmdLine;     // what WinMain receives: the other arguments joined by spaces
  unsigned long xWindow = 0;  // Hack: the X window drawn in; 0 for the root window
  SettingsOverrides overrides;
};

// Empty on success, otherwise a one-line reason naming the bad option or value.
std::string parseCommandLine(int argc, const char* const* argv, LaunchOptions& options);

// The daemon names its window in XSCREENSAVER_WINDOW: with -root, or when no other mode was asked
// for, the hack draws there. Empty on success, otherwise the reason the value is bad.
std::string useScreensaverWindow(const char* value, LaunchOptions& options);

std::string usageText();

}  // namespace kx
