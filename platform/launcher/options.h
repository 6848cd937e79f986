// The Linux command line: our own "--" options, and the rest handed to WinMain as Windows would.
#pragma once

#include <string>

namespace kx {

struct LaunchOptions {
  enum class Mode { Native, Window, Record, Help, Version };
  Mode mode = Mode::Native;
  int width = 1024;  // --window and --record: the desktop's size
  int height = 768;
  int seconds = 10;  // --record: saver time recorded
  int screen = 0;    // --screen: 1 to 6, 0 for the settings' own choice
  std::string recordPath;
  std::string winCmdLine;  // what WinMain receives: the other arguments joined by spaces
};

// Empty on success, otherwise a one-line reason naming the bad option or value.
std::string parseCommandLine(int argc, const char* const* argv, LaunchOptions& options);

std::string usageText();

}  // namespace kx
