#include "launcher/options.h"

#include <charconv>
#include <cstring>
#include <string_view>

namespace kx {

namespace {

// The largest desktop we agree to allocate: 16384 x 16384 pixels.
constexpr int kMaxSide = 16384;
constexpr int kMaxSeconds = 24 * 60 * 60;

bool parseInt(std::string_view text, int lo, int hi, int& out) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < lo || value > hi) return false;
  out = value;
  return true;
}

bool parseSize(std::string_view text, int& width, int& height) {
  size_t x = text.find('x');
  if (x == std::string_view::npos) return false;
  int w = 0, h = 0;
  if (!parseInt(text.substr(0, x), 1, kMaxSide, w) || !parseInt(text.substr(x + 1), 1, kMaxSide, h))
    return false;
  width = w;
  height = h;
  return true;
}

bool looksLikeSize(const char* text) {
  int w = 0, h = 0;
  return text != nullptr && parseSize(text, w, h);
}

}  // namespace

std::string parseCommandLine(int argc, const char* const* argv, LaunchOptions& options) {
  bool sizeGiven = false, secondsGiven = false, screenGiven = false;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg.substr(0, 2) != "--") {
      if (!options.winCmdLine.empty()) options.winCmdLine += ' ';
      options.winCmdLine += arg;
      continue;
    }
    const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
    // Takes the argument after the option as its value.
    auto value = [&]() -> const char* {
      if (next == nullptr) return nullptr;
      ++i;
      return next;
    };
    if (arg == "--help") {
      options.mode = LaunchOptions::Mode::Help;
    } else if (arg == "--version") {
      options.mode = LaunchOptions::Mode::Version;
    } else if (arg == "--window") {
      options.mode = LaunchOptions::Mode::Window;
      if (looksLikeSize(next)) parseSize(value(), options.width, options.height);
    } else if (arg == "--record") {
      const char* file = value();
      if (file == nullptr) return "--record needs a file name (.png or .gif)";
      std::string_view name = file;
      bool png = name.size() > 4 && name.substr(name.size() - 4) == ".png";
      bool gif = name.size() > 4 && name.substr(name.size() - 4) == ".gif";
      if (!png && !gif) return "--record: '" + std::string(name) + "' must end in .png or .gif";
      options.mode = LaunchOptions::Mode::Record;
      options.recordPath = file;
    } else if (arg == "--size") {
      const char* text = value();
      if (text == nullptr || !parseSize(text, options.width, options.height))
        return "--size: '" + std::string(text ? text : "") + "' is not WIDTHxHEIGHT (1 to 16384 each)";
      sizeGiven = true;
    } else if (arg == "--seconds") {
      const char* text = value();
      if (text == nullptr || !parseInt(text, 1, kMaxSeconds, options.seconds))
        return "--seconds: '" + std::string(text ? text : "") + "' is not a whole number from 1 to 86400";
      secondsGiven = true;
    } else if (arg == "--screen") {
      const char* text = value();
      if (text == nullptr || !parseInt(text, 1, 6, options.screen))
        return "--screen: '" + std::string(text ? text : "") + "' is not a screen number from 1 to 6";
      screenGiven = true;
    } else {
      return "unknown option '" + std::string(arg) + "' (see --help)";
    }
  }
  if (options.mode != LaunchOptions::Mode::Record) {
    if (sizeGiven) return "--size goes with --record (--window takes its size directly)";
    if (secondsGiven) return "--seconds goes with --record";
    if (screenGiven) return "--screen goes with --record";
  }
  return {};
}

std::string usageText() {
  return "usage: kalyx [/s | /c | /p HWND | /a] [options]\n"
         "  /s, -s            run the saver full screen (any key or mouse movement ends it)\n"
         "  anything else     open the settings dialog\n"
         "options:\n"
         "  --window [WxH]    run the saver in an ordinary window (default 1024x768)\n"
         "  --record FILE     run the saver without a display and write FILE: .png the last frame,\n"
         "                    .gif an animation of every frame\n"
         "    --size WxH      the recorded desktop's size (default 1024x768)\n"
         "    --seconds N     saver time to record (default 10)\n"
         "    --screen N      show only screen N (1 to 6; 6 the test screen), settings unchanged\n"
         "  --help            show this text\n"
         "  --version         show the version\n";
}

}  // namespace kx
