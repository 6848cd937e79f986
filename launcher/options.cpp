#include "launcher/options.h"

#include <charconv>
#include <cstring>
#include <cstdint>
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

// An X window id as the daemon writes it: decimal, or hexadecimal after "0x".
bool parseWindowId(std::string_view text, unsigned long& out) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  uint32_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value == 0) return false;
  out = value;
  return true;
}

// "1,2,5": screen numbers from 1 to 6, each once at most.
bool parseScreenList(std::string_view text, std::vector<int>& out) {
  std::vector<int> screens;
  while (true) {
    const size_t comma = text.find(',');
    int number = 0;
    if (!parseInt(text.substr(0, comma), 1, 6, number)) return false;
    for (int seen : screens) {
      if (seen == number) return false;
    }
    screens.push_back(number);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  out = screens;
  return true;
}

// The settings file keeps at most this many characters of the message text.
constexpr size_t kMaxText = 255;

// The options that override a setting for one run. Returns false when `arg` is none of them;
// otherwise `error` is empty or says what is wrong with the value.
bool parseOverride(std::string_view arg, const char* text, SettingsOverrides& overrides, std::string& error) {
  const std::string shown = text ? text : "";
  if (arg == "--screens") {
    if (text == nullptr || !parseScreenList(text, overrides.screens))
      error = "--screens: '" + shown + "' is not a list of screen numbers from 1 to 6 such as 1,2,5";
  } else if (arg == "--fps") {
    if (text == nullptr || !parseInt(text, 1, 1000, overrides.fps))
      error = "--fps: '" + shown + "' is not a whole number of ticks a second from 1 to 1000";
  } else if (arg == "--seconds-per-screen") {
    if (text == nullptr || !parseInt(text, 1, kMaxSeconds, overrides.secondsPerScreen))
      error = "--seconds-per-screen: '" + shown + "' is not a whole number from 1 to 86400";
  } else if (arg == "--colors") {
    if (shown == "256") {
      overrides.colorCode = 1;
    } else if (shown == "high") {
      overrides.colorCode = 2;
    } else {
      error = "--colors: '" + shown + "' is neither 256 nor high";
    }
  } else if (arg == "--text") {
    if (text == nullptr || shown.size() > kMaxText) {
      error = "--text needs a message of at most 255 characters";
    } else {
      overrides.textGiven = true;
      overrides.text = shown;
    }
  } else {
    return false;
  }
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
    if (arg == "-root") {
      options.mode = LaunchOptions::Mode::Hack;
      continue;
    }
    if (arg == "-window-id") {
      const char* text = i + 1 < argc ? argv[++i] : nullptr;
      if (text == nullptr || !parseWindowId(text, options.xWindow))
        return "-window-id: '" + std::string(text ? text : "") + "' is not an X window id";
      options.mode = LaunchOptions::Mode::Hack;
      continue;
    }
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
    if (std::string error; parseOverride(arg, next, options.overrides, error)) {
      if (!error.empty()) return error;
      value();
    } else if (arg == "--help") {
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
    } else if (arg == "--demo") {
      options.demo = true;
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
    if (options.demo) return "--demo goes with --record";
  }
  return {};
}

std::string useScreensaverWindow(const char* value, LaunchOptions& options) {
  if (value == nullptr || *value == '\0') return {};
  const bool root = options.mode == LaunchOptions::Mode::Hack && options.xWindow == 0;
  const bool nothingElse = options.mode == LaunchOptions::Mode::Native && options.winCmdLine.empty();
  if (!root && !nothingElse) return {};
  if (!parseWindowId(value, options.xWindow))
    return "XSCREENSAVER_WINDOW: '" + std::string(value) + "' is not an X window id";
  options.mode = LaunchOptions::Mode::Hack;
  return {};
}

std::string usageText() {
  return "usage: kalyx [/s | /c | /p HWND | /a] [options]\n"
         "  /s, -s            run the saver full screen (any key or mouse movement ends it)\n"
         "  anything else     open the settings dialog\n"
         "options:\n"
         "  -root             draw on the X root window, as a display program of the screen-saver\n"
         "                    daemon (input is left to the daemon; SIGTERM ends it)\n"
         "  -window-id ID     the same in the X window ID (also taken from XSCREENSAVER_WINDOW)\n"
         "  --window [WxH]    run the saver in an ordinary window (default 1024x768)\n"
         "  --record FILE     run the saver without a display and write FILE: .png the last frame,\n"
         "                    .gif an animation of every frame\n"
         "    --size WxH      the recorded desktop's size (default 1024x768)\n"
         "    --seconds N     saver time to record (default 10)\n"
         "    --screen N      show only screen N (1 to 6; 6 the test screen), settings unchanged\n"
         "    --demo          show every screen of this build in turn, --seconds each\n"
         "settings for this run only (Kalyx.ini is left as it is):\n"
         "  --screens LIST    the screens shown, for example 1,2,5\n"
         "  --fps N           ticks a second (1 to 1000)\n"
         "  --seconds-per-screen N  seconds before the next screen\n"
         "  --colors 256|high the colour scheme\n"
         "  --text TEXT       the incoming message, || for a line break\n"
         "  --help            show this text\n"
         "  --version         show the version\n";
}

}  // namespace kx
