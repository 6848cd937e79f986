// kalyx_soak [HOURS] [SECONDS_PER_SCREEN]: runs the saver headless at 1024 x 768 on the virtual
// clock for HOURS of saver time (default 24) with every built screen enabled, each shown for
// SECONDS_PER_SCREEN (default 5), and prints the live GDI objects, the heap in use and the
// resident size at the start, after a warm-up of ten minutes and at the end, each as a screen of
// the first one's kind begins, and once more after the saver has ended. Build with the
// `default` preset: the sanitizers' allocator would hide the heap figures.
#include <windows.h>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <typeinfo>

#include "app/host.h"
#include "app/kalyx.h"
#include "app/screen_table.h"
#include "display/display.h"
#include "kernel/handle_table.h"
#include "kx/module.h"
#include "kx/platform.h"

namespace {

constexpr DWORD kWarmUpMs = 10 * 60 * 1000;
int g_screenSeconds = 5;

struct Sample {
  size_t gdiObjects = 0;
  std::string kinds;  // the live GDI objects by kind, "Font 2 Bitmap 1"
  size_t heapBytes = 0;
  size_t rssKb = 0;
};

Sample takeSample() {
  Sample sample;
  const kx::HandleTable& table = kx::HandleTable::instance();
  for (int i = 0; i < static_cast<int>(kx::HandleKind::Count); ++i) {
    const auto kind = static_cast<kx::HandleKind>(i);
    if (!kx::isGdiKind(kind) || table.liveCount(kind) == 0) continue;
    sample.gdiObjects += table.liveCount(kind);
    sample.kinds += std::string(sample.kinds.empty() ? "" : " ") + kx::handleKindName(kind) + " " +
                    std::to_string(table.liveCount(kind));
  }
  const struct mallinfo2 heap = ::mallinfo2();
  sample.heapBytes = heap.uordblks + heap.hblkhd;
  size_t pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  sample.rssKb = resident * static_cast<size_t>(::sysconf(_SC_PAGESIZE)) / 1024;
  return sample;
}

void print(const char* when, DWORD ms, const Sample& s) {
  std::printf("%-8s %9.2f h  GDI objects %5zu  heap %10zu bytes  RSS %7zu KB  (%s)\n", when, ms / 3600000.0,
              s.gdiObjects, s.heapBytes, s.rssKb, s.kinds.c_str());
  std::fflush(stdout);
}

void enableEveryBuiltScreen(CKalyx* app) {
  for (const ScreenEntry& screen : aScreens) {
    if (screen.key != nullptr) app->*screen.enable = screen.create != nullptr ? 1 : 0;
  }
  app->ScrnScnds = g_screenSeconds;
  app->CountDisplays();
}

}  // namespace

int main(int argc, char** argv) {
  const double hours = argc > 1 ? std::atof(argv[1]) : 24.0;
  g_screenSeconds = argc > 2 ? std::atoi(argv[2]) : 5;
  if (hours <= 0 || hours > 1000 || g_screenSeconds <= 0) {
    std::fprintf(stderr, "usage: kalyx_soak [HOURS] [SECONDS_PER_SCREEN]\n");
    return 2;
  }
  const DWORD lengthMs = static_cast<DWORD>(hours * 3600000.0);
  kx::keepNamesPrivate(true);  // a soak beside a running saver takes nothing from it
  lpfnSettingsHook = enableEveryBuiltScreen;
  kx::PlatformOptions platform;
  platform.backend = kx::BackendKind::Headless;
  platform.width = 1024;
  platform.height = 768;
  if (std::string reason = kx::startPlatform(platform); !reason.empty()) {
    std::fprintf(stderr, "kalyx_soak: %s\n", reason.c_str());
    return 1;
  }
  long long ticks = 0;
  kx::setFrameObserver([&ticks](DWORD) { ++ticks; });
  // Screens hold different numbers of GDI objects, so every figure is taken as a screen of the
  // same kind as the first begins: at the start, after the warm-up and at the end.
  bool started = false, warm = false, ended = false;
  DWORD start = 0, endedAt = 0;
  const CDisplay* shown = nullptr;
  const std::type_info* shownType = nullptr;
  const std::type_info* firstType = nullptr;
  kx::setIdleHandler([&] {
    const DWORD now = kx::clockNow();
    const std::type_info* type = lpDisplay != nullptr ? &typeid(*lpDisplay) : nullptr;
    const bool begun = lpDisplay != nullptr && (lpDisplay != shown || type != shownType);
    shown = lpDisplay;
    shownType = type;
    if (!begun) return false;
    if (!started) {
      started = true;
      start = now;
      firstType = type;
      print("start", 0, takeSample());
      return false;
    }
    if (type != firstType) return false;
    if (!warm && now - start >= kWarmUpMs) {
      warm = true;
      print("warm", now - start, takeSample());
    }
    if (ended || now - start < lengthMs) return false;
    ended = true;
    endedAt = now - start;
    print("end", endedAt, takeSample());
    PostMessageA(lpKalyx != nullptr ? lpKalyx->hwndMain : nullptr, WM_CLOSE, 0, 0);
    return true;
  });
  char cmdLine[] = "/s";
  const int code = WinMain(kx::programInstance(), nullptr, cmdLine, SW_SHOW);
  kx::setIdleHandler(nullptr);
  kx::stopPlatform();
  kx::setFrameObserver(nullptr);
  // What the registered window class still holds (its background brush) stays until the end.
  print("stopped", endedAt, takeSample());
  std::printf("%lld timer ticks\n", ticks);
  return ended ? code : 1;
}
