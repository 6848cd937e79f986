// A real window under a virtual X server: the probe program opens an SDL window, xdotool presses a
// key and moves the focus away, and the probe reports the messages its window received.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/virtual_x_server.h"

namespace kx::test {
namespace {

TEST(SdlWindowTest, KeyPressAndFocusLossReachTheWindow) {
  if (!onPath("xdotool") || !onPath("xwininfo")) {
    GTEST_SKIP() << "xdotool or xwininfo is not installed (tools/setup.sh installs them)";
  }
  VirtualXServer server(640, 480);
  if (!server.running()) GTEST_SKIP() << server.whyNotRunning();

  ChildProcess probe({std::string(KALYX_BINARY_DIR) + "/test-programs/sdl_window_probe"},
                     {"DISPLAY=" + server.display(), "SDL_VIDEODRIVER=x11", "ASAN_OPTIONS=detect_leaks=0"});
  ASSERT_TRUE(probe.started());
  std::vector<std::string> lines;
  for (std::string line = probe.readLine(); !line.empty() && line != "ready 0"; line = probe.readLine()) {
    lines.push_back(line);
  }
  ASSERT_EQ(server.run("timeout 20 xdotool search --sync --name KALYX windowfocus --sync"), 0);
  ASSERT_EQ(server.run("xdotool key a"), 0);
  // The focus moves away only once the key has arrived, so the two cannot change places.
  for (std::string line = probe.readLine(); !line.empty(); line = probe.readLine()) {
    lines.push_back(line);
    if (line == "WM_CHAR 97") break;
  }
  ASSERT_EQ(server.run("xdotool windowfocus $(xwininfo -root | awk '/Window id/{print $4}')"), 0);
  for (std::string line = probe.readLine(); !line.empty(); line = probe.readLine()) lines.push_back(line);
  EXPECT_EQ(probe.wait(30000), 0);

  auto contains = [&lines](const std::string& wanted) {
    for (const std::string& l : lines) {
      if (l == wanted) return true;
    }
    return false;
  };
  std::string all;
  for (const std::string& l : lines) all += l + "; ";
  EXPECT_TRUE(contains("WM_KEYDOWN 65")) << all;
  EXPECT_TRUE(contains("WM_CHAR 97")) << all;
  EXPECT_TRUE(contains("WM_ACTIVATE 0")) << all;
}

}  // namespace
}  // namespace kx::test
