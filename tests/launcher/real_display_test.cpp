// The saver and the settings dialog on a real X server (Xvfb), driven by xdotool.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/temp_home.h"
#include "support/virtual_x_server.h"
#include "support/wait_until.h"

namespace kx::test {
namespace {

class RealDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!onPath("xdotool")) GTEST_SKIP() << "xdotool is not installed (tools/setup.sh)";
    m_server = std::make_unique<VirtualXServer>(800, 600);
    if (!m_server->running()) GTEST_SKIP() << m_server->whyNotRunning();
  }

  std::unique_ptr<ChildProcess> startKalyx(std::vector<std::string> args) {
    args.insert(args.begin(), kalyxPath());
    // System libraries loaded by SDL leave leaks whose stacks LeakSanitizer cannot name (no frame
    // pointers), so tools/lsan.supp cannot match them: leak checking stays off for the program.
    return std::make_unique<ChildProcess>(
        args, std::vector<std::string>{"DISPLAY=" + m_server->display(), "ASAN_OPTIONS=detect_leaks=0"},
        std::vector<std::string>{"SDL_VIDEODRIVER", "WAYLAND_DISPLAY"});
  }
  std::string xdotool(const std::string& args) { return m_server->outputOf("timeout 10 xdotool " + args); }
  // Whether anything but black shows on the screen (sampled every 10 pixels).
  bool somethingDrawn() const {
    for (int y = 5; y < 600; y += 10) {
      for (int x = 5; x < 800; x += 10) {
        if (COLORREF c = m_server->pixel(x, y); c != CLR_INVALID && c != RGB(0, 0, 0)) return true;
      }
    }
    return false;
  }

  TempHome m_home;
  std::unique_ptr<VirtualXServer> m_server;
};

TEST_F(RealDisplayTest, SaverFillsTheScreenAndAMouseMovementEndsIt) {
  auto saver = startKalyx({"/s"});
  ASSERT_TRUE(saver->started());
  ASSERT_NE(xdotool("search --sync --onlyvisible --name KALYX"), "") << saver->errors();
  // Appearing under the pointer is no movement: the saver, drawing by now, stays until the pointer
  // moves.
  ASSERT_TRUE(waitUntil([&] { return somethingDrawn(); })) << saver->errors();
  ASSERT_TRUE(saver->running()) << saver->errors();
  EXPECT_NE(xdotool("search --name KALYX getwindowgeometry").find("800x600"), std::string::npos)
      << xdotool("search --name KALYX getwindowgeometry");
  // The bounded wait is the only limit: a busy machine may take more than a second to end.
  xdotool("mousemove_relative 20 10");
  EXPECT_EQ(saver->wait(5000), 0) << saver->errors();
}

// The desktop is drawn straight into the window's surface; when the window's size changes SDL
// drops that surface, and the picture must go on changing all the same.
TEST_F(RealDisplayTest, TheWindowGoesOnShowingTheConsoleAfterItsSizeChanged) {
  auto saver = startKalyx({"--window", "400x300", "--screens", "1", "--fps", "10"});
  ASSERT_TRUE(saver->started());
  ASSERT_NE(xdotool("search --sync --onlyvisible --name KALYX"), "") << saver->errors();
  ASSERT_TRUE(waitUntil([&] { return somethingDrawn(); })) << saver->errors();
  xdotool("search --name KALYX windowsize --sync 500 400");
  POINT origin{};
  ASSERT_TRUE(m_server->windowOrigin("KALYX", origin));
  auto picture = [&] {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 300; y += 3) {
      for (int x = 0; x < 400; x += 3) pixels.push_back(m_server->pixel(origin.x + x, origin.y + y));
    }
    return pixels;
  };
  // The shields turn at every second tick: two changes in a row show the window is still fed.
  for (int change = 0; change < 2; ++change) {
    const std::vector<COLORREF> before = picture();
    ASSERT_TRUE(waitUntil([&] { return picture() != before; })) << "change " << change << saver->errors();
  }
  EXPECT_TRUE(saver->running()) << saver->errors();
}

TEST_F(RealDisplayTest, SettingsDialogClosesOnEscape) {
  auto settings = startKalyx({});
  ASSERT_TRUE(settings->started());
  ASSERT_NE(xdotool("search --sync --onlyvisible --name KALYX"), "") << settings->errors();
  ASSERT_TRUE(waitUntil([&] {
    xdotool("search --name KALYX windowfocus --sync");
    return xdotool("getwindowfocus getwindowname").find("KALYX") != std::string::npos;
  })) << settings->errors();
  xdotool("key Escape");
  EXPECT_EQ(settings->wait(5000), 0) << settings->errors();
}

}  // namespace
}  // namespace kx::test

namespace kx::test {
namespace {

// The X server dies under a running saver or dialog: the program ends by itself, with code 2 and
// one line, instead of spinning on the dead connection with the single-copy lock held.
TEST_F(RealDisplayTest, LosingTheXServerEndsEitherModeWithCode2) {
  for (std::vector<std::string> args : {std::vector<std::string>{"/s"}, {}}) {
    if (!m_server->running()) SetUp();  // a fresh server for the second mode
    auto kalyx = startKalyx(args);
    ASSERT_TRUE(kalyx->started());
    ASSERT_NE(xdotool("search --sync --name KALYX"), "") << kalyx->errors();
    m_server->stop();
    const int code = kalyx->wait(5000);
    EXPECT_EQ(code, 2) << (args.empty() ? "dialog" : args[0]) << ": " << kalyx->errors();
    EXPECT_EQ(kalyx->errors(), "kalyx: the X display went away; ending\n");
  }
}

}  // namespace
}  // namespace kx::test
