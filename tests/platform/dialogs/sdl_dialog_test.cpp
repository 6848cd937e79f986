// A dialog in a real window under a virtual X server: the probe program opens the settings dialog
// in an SDL window and says where its controls are; the test looks at the X server's screen and
// answers the dialog with a real Escape key press.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "support/virtual_x_server.h"
#include "support/wait_until.h"

namespace kx::test {
namespace {

// Reads "<name> <left> <top> <right> <bottom>" lines up to "ready"; false if the probe ended first.
bool readControlRects(ChildProcess& probe, std::map<std::string, RECT>& rects) {
  for (std::string line = probe.readLine(); !line.empty(); line = probe.readLine()) {
    if (line == "ready") return true;
    std::istringstream fields(line);
    std::string name;
    RECT r{};
    if (fields >> name >> r.left >> r.top >> r.right >> r.bottom) rects[name] = r;
  }
  return false;
}

TEST(SdlDialogTest, ShowsItsControlsAndEscapeCancelsIt) {
  if (!onPath("xdotool") || !onPath("xwininfo")) {
    GTEST_SKIP() << "xdotool or xwininfo is not installed (tools/setup.sh installs them)";
  }
  VirtualXServer server(800, 600);
  if (!server.running()) GTEST_SKIP() << server.whyNotRunning();

  ChildProcess probe({std::string(KALYX_BINARY_DIR) + "/test-programs/sdl_dialog_probe"},
                     {"DISPLAY=" + server.display(), "SDL_VIDEODRIVER=x11", "ASAN_OPTIONS=detect_leaks=0"});
  ASSERT_TRUE(probe.started());
  std::map<std::string, RECT> rects;
  ASSERT_TRUE(readControlRects(probe, rects));
  for (const char* name : {"dialog", "ok", "edit", "check"}) ASSERT_TRUE(rects.count(name)) << name;
  POINT origin{};
  ASSERT_TRUE(server.windowOrigin("KALYX", origin));
  auto screen = [&](LONG x, LONG y) { return server.pixel(origin.x + x, origin.y + y); };

  const RECT ok = rects["ok"], edit = rects["edit"], check = rects["check"];
  const LONG okMiddleY = (ok.top + ok.bottom) / 2;
  // The window shows the desktop once its loop presents it; give it a moment to reach the screen.
  waitUntil([&] { return screen(ok.left - 2, okMiddleY) == RGB(192, 192, 192); });
  EXPECT_EQ(screen(ok.left - 2, okMiddleY), RGB(192, 192, 192)) << "the dialog's face";
  EXPECT_EQ(screen((ok.left + ok.right) / 2, ok.top), RGB(0, 0, 0)) << "the default button's dark frame";
  EXPECT_EQ(screen(edit.right - 4, edit.bottom - 4), RGB(255, 255, 255)) << "inside the edit";
  int ink = 0;
  for (LONG y = check.top; y < check.bottom; ++y) {
    for (LONG x = check.left + 16; x < check.right; ++x) ink += screen(x, y) == RGB(0, 0, 0);
  }
  EXPECT_GT(ink, 20) << "the check box's label";

  ASSERT_EQ(server.run("timeout 20 xdotool search --sync --name KALYX windowfocus --sync"), 0);
  ASSERT_EQ(server.run("xdotool key Escape"), 0);
  EXPECT_EQ(probe.readLine(), "result 2");  // IDCANCEL
  EXPECT_EQ(probe.wait(30000), 0);
}

}  // namespace
}  // namespace kx::test
