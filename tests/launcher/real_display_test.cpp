// The saver and the settings dialog on a real X server (Xvfb), driven by xdotool.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "launcher/process.h"
#include "support/temp_home.h"

namespace kx::test {
namespace {

bool onPath(const char* program) {
  return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

class RealDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!onPath("Xvfb") || !onPath("xdotool"))
      GTEST_SKIP() << "Xvfb or xdotool is not installed (tools/setup.sh)";
    // Xvfb picks a free display and writes its number on stdout.
    m_server = std::make_unique<Process>(std::vector<std::string>{"Xvfb", "-displayfd", "1", "-screen", "0",
                                                                  "800x600x24", "-nolisten", "tcp"});
    for (int n = 0; n < 500 && m_server->output().find('\n') == std::string::npos; ++n) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::string number = m_server->output();
    if (number.empty()) GTEST_SKIP() << "the virtual X server could not start";
    m_display = ":" + number.substr(0, number.find('\n'));
  }

  std::unique_ptr<Process> startKalyx(std::vector<std::string> args) {
    args.insert(args.begin(), kalyxPath());
    return std::make_unique<Process>(args,
                                     std::vector<std::string>{"DISPLAY=" + m_display, "SDL_VIDEODRIVER=x11",
                                                              "ASAN_OPTIONS=detect_leaks=0"});
  }
  std::string xdotool(const std::string& args) {
    std::string command = "DISPLAY=" + m_display + " timeout 10 xdotool " + args + " 2>/dev/null";
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
      char buffer[256];
      while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
      ::pclose(pipe);
    }
    return out;
  }

  TempHome m_home;
  std::unique_ptr<Process> m_server;
  std::string m_display;
};

TEST_F(RealDisplayTest, SaverFillsTheScreenAndAMouseMovementEndsIt) {
  auto saver = startKalyx({"/s"});
  ASSERT_TRUE(saver->started());
  ASSERT_NE(xdotool("search --sync --onlyvisible --name KALYX"), "") << saver->errors();
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  // Appearing under the pointer is no movement: the saver stays until the pointer moves.
  ASSERT_TRUE(saver->running()) << saver->errors();
  EXPECT_NE(xdotool("search --name KALYX getwindowgeometry").find("800x600"), std::string::npos)
      << xdotool("search --name KALYX getwindowgeometry");
  // The bounded wait is the only limit: a busy machine may take more than a second to end.
  xdotool("mousemove_relative 20 10");
  EXPECT_EQ(saver->wait(5000), 0) << saver->errors();
}

TEST_F(RealDisplayTest, SettingsDialogClosesOnEscape) {
  auto settings = startKalyx({});
  ASSERT_TRUE(settings->started());
  ASSERT_NE(xdotool("search --sync --onlyvisible --name KALYX"), "") << settings->errors();
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  xdotool("search --name KALYX windowfocus --sync");
  xdotool("key Escape");
  EXPECT_EQ(settings->wait(5000), 0) << settings->errors();
}

}  // namespace
}  // namespace kx::test
