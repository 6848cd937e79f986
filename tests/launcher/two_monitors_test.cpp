// The saver on a real X server with two monitors side by side: the console on the primary, the
// other black, and nothing of the desktop behind it showing on either.
#include <gtest/gtest.h>
#include <signal.h>

#include "launcher/monitors_x_server.h"
#include "launcher/x_window.h"
#include "support/child_process.h"
#include "support/temp_home.h"
#include "support/wait_until.h"

namespace kx::test {
namespace {

constexpr MonitorSize kPrimary{1024, 768}, kSecond{800, 600};
// The desktop window behind the saver is this colour, which the console never shows.
constexpr XColour kMagenta = 0xFF00FF;
constexpr XColour kBlack = 0x000000;

struct Count {
  int magenta = 0, black = 0, other = 0;
  int all() const { return magenta + black + other; }
};

Count count(const std::vector<XColour>& pixels) {
  Count c;
  for (XColour p : pixels) {
    if (p == kMagenta)
      ++c.magenta;
    else if (p == kBlack)
      ++c.black;
    else
      ++c.other;
  }
  return c;
}

TEST(TwoMonitorsTest, TheConsoleIsOnThePrimaryTheOtherIsBlackAndNothingBehindShows) {
  MonitorsXServer server({kPrimary, kSecond});
  if (!server.running()) GTEST_SKIP() << server.whyNotRunning();
  TempHome home;
  XTestWindow desktop(server.display(), 0, 0, kPrimary.width + kSecond.width, kPrimary.height);
  ASSERT_EQ(count(server.pixels(kPrimary.width, 0, kSecond.width, kSecond.height)).magenta,
            kSecond.width * kSecond.height);

  ChildProcess saver({kalyxPath(), "/s", "--screens", "6"},
                     {"DISPLAY=" + server.display(), "ASAN_OPTIONS=detect_leaks=0"},
                     {"SDL_VIDEODRIVER", "WAYLAND_DISPLAY", "XSCREENSAVER_WINDOW"});
  // Every pixel of both monitors, their edges included, once the console has been drawn.
  Count primary, second;
  const bool drawn = waitUntil(
      [&] {
        primary = count(server.pixels(0, 0, kPrimary.width, kPrimary.height));
        second = count(server.pixels(kPrimary.width, 0, kSecond.width, kSecond.height));
        return primary.all() > 0 && second.all() > 0 && primary.magenta == 0 && second.magenta == 0 &&
               primary.other > 0;
      },
      20000);
  ASSERT_TRUE(drawn) << "primary: " << primary.magenta << " desktop pixels, " << primary.other
                     << " console pixels; second: " << second.magenta << " desktop pixels\n"
                     << saver.errors();
  EXPECT_TRUE(saver.running()) << saver.errors();
  // The console's bars and buttons cover a good part of the primary and nothing of the other.
  EXPECT_GT(primary.other, kPrimary.width * kPrimary.height / 10);
  EXPECT_EQ(second.black, kSecond.width * kSecond.height);
  ::kill(saver.pid(), SIGTERM);
  EXPECT_NE(saver.wait(10000), -2);
}

}  // namespace
}  // namespace kx::test
