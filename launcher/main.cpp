// The Linux `kalyx`: our own options are taken here, the rest of the command line goes to WinMain
// as Windows would hand it over.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/host.h"
#include "kalyx_version.h"
#include "kx/module.h"
#include "kx/platform.h"
#include "launcher/hack.h"
#include "launcher/options.h"
#include "launcher/overrides.h"
#include "launcher/recorder.h"

namespace {

constexpr int kExitUsage = 2;

// Whether another copy runs is WinMain's decision alone, as on Windows. A lock folder that others
// could tamper with is no answer to that question, so it is said before anything opens.
bool lockCanBeChecked() {
  HANDLE probe = CreateMutexA(nullptr, FALSE, kMutexName);
  if (probe == nullptr) return false;
  CloseHandle(probe);
  return true;
}

int runOnDisplay(const kx::LaunchOptions& options) {
  std::string cmdLine = options.winCmdLine;
  const bool window = options.mode == kx::LaunchOptions::Mode::Window;
  if (window && !IsSaverMode(cmdLine.c_str())) cmdLine = "/s";
  const bool saver = IsSaverMode(cmdLine.c_str());
  if (!saver && options.overrides.any()) {
    std::fprintf(stderr, "kalyx: the settings options go with the saver (/s, --window, --record, -root)\n");
    return kExitUsage;
  }

  kx::PlatformOptions platform;
  platform.backend = kx::BackendKind::Sdl;
  platform.width = options.width;
  platform.height = options.height;
  platform.fullScreen = saver && !window;
  if (std::string reason = kx::startPlatform(platform); !reason.empty()) {
    std::fprintf(stderr,
                 "kalyx: cannot show the %s: %s; try --record FILE.png to record it without a display\n",
                 saver ? "saver" : "settings dialog", reason.c_str());
    return kExitUsage;
  }
  // SDL turns SIGINT and SIGTERM into a quit event, which closes every window through WM_CLOSE.
  int code = WinMain(kx::programInstance(), nullptr, cmdLine.data(), SW_SHOW);
  kx::stopPlatform();
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  kx::LaunchOptions options;
  std::string error = kx::parseCommandLine(argc, argv, options);
  if (error.empty()) error = kx::useScreensaverWindow(std::getenv("XSCREENSAVER_WINDOW"), options);
  if (!error.empty()) {
    std::fprintf(stderr, "kalyx: %s\n", error.c_str());
    return kExitUsage;
  }
  switch (options.mode) {
    case kx::LaunchOptions::Mode::Help:
      std::fputs(kx::usageText().c_str(), stdout);
      return 0;
    case kx::LaunchOptions::Mode::Version:
      std::puts("kalyx " KALYX_VERSION_TEXT);
      return 0;
    default:
      break;
  }
  if (options.screen != 0) options.overrides.screens = {options.screen};
  kx::installOverrides(options.overrides);
  // The daemon runs one copy for each monitor and one in its preview, so the hack takes no lock.
  if (options.mode == kx::LaunchOptions::Mode::Hack) return kx::runHack(options);
  // A recording shares nothing with a running saver (no display, no lock), so it runs beside one.
  if (options.mode == kx::LaunchOptions::Mode::Record) return kx::runRecording(options);
  if (!lockCanBeChecked()) {
    std::fprintf(stderr,
                 "kalyx: cannot tell whether another copy runs: the lock folder ($XDG_RUNTIME_DIR/kalyx, "
                 "or /tmp/kalyx-UID) must be a folder of this user's that no one else may open\n");
    return kExitUsage;
  }
  // WinMain turns a second copy away (exit code 1) before it shows anything.
  return runOnDisplay(options);
}
