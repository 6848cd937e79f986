#include "launcher/recorder.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/host.h"
#include "app/kalyx.h"
#include "kx/module.h"
#include "kx/platform.h"
#include "launcher/gif_writer.h"
#include "launcher/output_file.h"
#include "launcher/overrides.h"

namespace kx {

namespace {

volatile std::sig_atomic_t g_stopRequested = 0;

void onStopSignal(int) {
  g_stopRequested = 1;
}

bool endsWith(const std::string& text, const char* tail) {
  const std::string t = tail;
  return text.size() >= t.size() && text.compare(text.size() - t.size(), t.size(), t) == 0;
}

// Frames are taken when the queue has run dry, so every paint of the tick is in them.
class Recording {
 public:
  explicit Recording(const LaunchOptions& options)
      : m_options(options), m_gif(endsWith(options.recordPath, ".gif")), m_output(options.recordPath) {
    if (options.demo) {
      for (const ScreenEntry& screen : aScreens) {
        if (screen.create != nullptr) m_demoScreens.push_back(screen.number);
      }
    }
  }

  // The screen the demo shows first; 0 outside a demo.
  int firstDemoScreen() const { return m_demoScreens.empty() ? 0 : m_demoScreens.front(); }

  // The file is made now, so a recording that cannot be written fails before the whole run.
  std::string open() {
    if (std::string error = m_output.create(); !error.empty()) return error;
    if (m_gif) return m_gifWriter.open(m_output.temporaryPath(), m_options.width, m_options.height);
    return {};
  }

  bool onIdle() {
    if (m_done) return false;
    const DWORD now = clockNow();
    if (!m_started) {
      m_started = true;
      m_start = now;
    }
    const DWORD segment = static_cast<DWORD>(m_options.seconds) * 1000;
    const DWORD segments = m_demoScreens.empty() ? 1 : static_cast<DWORD>(m_demoScreens.size());
    const bool over = now - m_start >= segment * segments || g_stopRequested != 0;
    if (!over && !m_demoScreens.empty()) showDemoScreen((now - m_start) / segment);
    if (m_gif && (m_frames == 0 || now != m_lastFrame)) {
      if (m_error.empty()) m_error = m_gifWriter.addFrame(desktopPixels(), now - m_start);
      m_lastFrame = now;
      ++m_frames;
    }
    if (!over) return false;
    m_done = true;
    if (m_error.empty()) m_error = m_gif ? m_gifWriter.close() : saveDesktopPng(m_output.temporaryPath());
    if (m_error.empty()) m_error = m_output.commit();
    // The window closes as an end request would close it.
    HWND main = lpKalyx != nullptr ? lpKalyx->hwndMain : nullptr;
    if (main != nullptr) {
      PostMessageA(main, WM_CLOSE, 0, 0);
    } else {
      PostQuitMessage(0);
    }
    return true;
  }

  // Removes the file open() made, for a run that recorded nothing (another copy was running).
  void discard() {
    if (m_gif) m_gifWriter.close();
    std::remove(m_options.recordPath.c_str());
  }

  const std::string& error() const { return m_error; }
  bool done() const { return m_done; }

 private:
  // A demo shows every screen of the build in the table's order, each as if it alone were enabled.
  void showDemoScreen(DWORD index) {
    if (index == m_demoIndex || lpKalyx == nullptr || lpKalyx->hwndMain == nullptr) return;
    m_demoIndex = index;
    for (const ScreenEntry& screen : aScreens)
      lpKalyx->*screen.enable = screen.number == m_demoScreens[index] ? 1 : 0;
    lpKalyx->CountDisplays();
    PostMessageA(lpKalyx->hwndMain, WM_COMMAND, kCmdNextDisplay, 0);
  }

  std::vector<int> m_demoScreens;
  DWORD m_demoIndex = 0;
  const LaunchOptions& m_options;
  bool m_gif;
  OutputFile m_output;  // before the writer, so the writer has closed the file when it goes
  GifWriter m_gifWriter;
  bool m_started = false;
  bool m_done = false;
  DWORD m_start = 0;
  DWORD m_lastFrame = 0;
  int m_frames = 0;
  std::string m_error;
};

constexpr unsigned kRecordingSeed = 1;

}  // namespace

int runRecording(const LaunchOptions& options) {
  Recording recording(options);
  if (options.demo) {
    SettingsOverrides first = options.overrides;
    first.screens = {recording.firstDemoScreen()};
    installOverrides(first);
  }
  if (options.screen != 0) {
    if (aScreens[options.screen - 1].create == nullptr) {
      std::fprintf(stderr, "kalyx: --screen %d: that screen is not in this build yet\n", options.screen);
      return 2;
    }
  }
  keepNamesPrivate(true);
  PlatformOptions platform;
  platform.backend = BackendKind::Headless;
  platform.width = options.width;
  platform.height = options.height;
  if (std::string reason = startPlatform(platform); !reason.empty()) {
    std::fprintf(stderr, "kalyx: cannot start the headless desktop: %s\n", reason.c_str());
    return 1;
  }
  if (std::string error = recording.open(); !error.empty()) {
    std::fprintf(stderr, "kalyx: --record: %s\n", error.c_str());
    stopPlatform();
    return 2;
  }
  std::signal(SIGINT, onStopSignal);
  std::signal(SIGTERM, onStopSignal);
  // A recording on the virtual clock is the same picture every time: the random numbers start
  // from a fixed seed instead of the time of day.
  bSeeded = true;
  std::srand(kRecordingSeed);
  setIdleHandler([&recording] { return recording.onIdle(); });

  char cmdLine[] = "/s";
  int code = WinMain(programInstance(), nullptr, cmdLine, SW_SHOW);
  setIdleHandler(nullptr);
  stopPlatform();
  if (code != 0) {
    recording.discard();
    return code;
  }
  if (!recording.done()) {
    std::fprintf(stderr, "kalyx: --record: the saver ended before anything was recorded\n");
    return 1;
  }
  if (!recording.error().empty()) {
    std::fprintf(stderr, "kalyx: --record: %s\n", recording.error().c_str());
    return 1;
  }
  return 0;
}

}  // namespace kx
