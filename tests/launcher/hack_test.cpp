// The display program of the X screen-saver daemon under a virtual X server: the saver drawn in a
// window the test makes (or on the root window), read back from the server's screen.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "launcher/x_window.h"
#include "support/temp_home.h"
#include "support/virtual_x_server.h"
#include "support/wait_until.h"

namespace kx::test {
namespace {

constexpr int kScreenW = 800, kScreenH = 600;
// The test's windows are this colour until something draws in them; the console never uses it.
constexpr COLORREF kMagenta = RGB(255, 0, 255);
// Pixels sampled every this many in each direction.
constexpr int kGrid = 7;

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// One frame of a GIF the program recorded, as colours.
struct Frame {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Frame gifFrame(GifFileType* gif, int index) {
  Frame frame{gif->SWidth, gif->SHeight, {}};
  const SavedImage& image = gif->SavedImages[index];
  const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
  for (int i = 0; i < frame.width * frame.height; ++i) {
    const GifColorType c = map->Colors[image.RasterBits[i]];
    frame.pixels.push_back(RGB(c.Red, c.Green, c.Blue));
  }
  return frame;
}

class HackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!m_server.running()) GTEST_SKIP() << m_server.whyNotRunning();
  }

  std::unique_ptr<ChildProcess> startKalyx(std::vector<std::string> args, std::vector<std::string> env = {}) {
    args.insert(args.begin(), kalyxPath());
    // The daemon's variable is set only where a test sets it.
    std::vector<std::string> unset{"WAYLAND_DISPLAY", "SDL_VIDEODRIVER"};
    if (env.empty()) unset.push_back("XSCREENSAVER_WINDOW");
    env.push_back("DISPLAY=" + m_server.display());
    return std::make_unique<ChildProcess>(args, env, unset);
  }

  // The static parts of the test screen at this size, recorded headless: pixels that the first
  // and the last frame of a one-second recording agree on.
  struct Reference {
    Frame first, last;
  };
  Reference record(int width, int height) {
    const std::string gifPath = (m_home.root() / "reference.gif").string();
    ChildProcess p({kalyxPath(), "--record", gifPath, "--screen", "6", "--size",
                    std::to_string(width) + "x" + std::to_string(height), "--seconds", "1"},
                   {}, {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"});
    EXPECT_EQ(p.wait(60000), 0) << p.errors();
    int error = 0;
    GifFileType* gif = DGifOpenFileName(gifPath.c_str(), &error);
    Reference ref;
    if (gif == nullptr || DGifSlurp(gif) != GIF_OK) {
      ADD_FAILURE() << "cannot read the reference recording";
    } else {
      ref.first = gifFrame(gif, 0);
      ref.last = gifFrame(gif, gif->ImageCount - 1);
    }
    if (gif) DGifCloseFile(gif, &error);
    return ref;
  }

  // Every sampled pixel of the area is no longer the window's magenta background.
  bool covered(int left, int top, int width, int height) const {
    for (int y = top; y < top + height; y += kGrid) {
      for (int x = left; x < left + width; x += kGrid) {
        if (m_server.pixel(x, y) == kMagenta) return false;
      }
    }
    return m_server.pixel(left + width - 1, top + height - 1) != kMagenta;
  }

  // The share of the reference's static sample pixels the server shows at (left, top).
  double matchingShare(const Reference& ref, int left, int top) const {
    int statics = 0, same = 0;
    for (int y = 0; y < ref.first.height; y += kGrid) {
      for (int x = 0; x < ref.first.width; x += kGrid) {
        if (ref.first.at(x, y) != ref.last.at(x, y)) continue;
        ++statics;
        same += m_server.pixel(left + x, top + y) == ref.first.at(x, y);
      }
    }
    return statics == 0 ? 0.0 : double(same) / statics;
  }

  std::vector<COLORREF> sample(int left, int top, int width, int height) const {
    std::vector<COLORREF> pixels;
    for (int y = top; y < top + height; y += kGrid) {
      for (int x = left; x < left + width; x += kGrid) pixels.push_back(m_server.pixel(x, y));
    }
    return pixels;
  }

  VirtualXServer m_server{kScreenW, kScreenH};
  TempHome m_home;
};

TEST_F(HackTest, WindowIdDrawsTheConsoleInThatWindowAndInputDoesNotEndIt) {
  const Reference ref = record(400, 300);
  XTestWindow window(m_server.display(), 100, 80, 400, 300);
  ASSERT_NE(window.id(), 0u);
  const std::vector<COLORREF> outside = sample(0, 0, kScreenW, 80);
  auto hack = startKalyx({"-window-id", std::to_string(window.id()), "--screens", "6"});
  ASSERT_TRUE(waitUntil([&] { return covered(100, 80, 400, 300); })) << hack->errors();
  EXPECT_GE(matchingShare(ref, 100, 80), 0.97);
  // Outside the window the screen is as it was.
  EXPECT_EQ(sample(0, 0, kScreenW, 80), outside);

  // The daemon keeps the input; what reaches the window must not end the saver. Afterwards it
  // still follows its window: the grown part is drawn.
  m_server.run("xdotool mousemove 200 200 sleep 0.1 mousemove 260 230 click 1 key a key Escape");
  window.resize(440, 320);
  EXPECT_TRUE(waitUntil([&] { return covered(100, 80, 440, 320); })) << hack->errors();
  EXPECT_TRUE(hack->running()) << hack->errors();

  ::kill(hack->pid(), SIGTERM);
  EXPECT_EQ(hack->wait(10000), 0);
  EXPECT_EQ(hack->errors(), "");  // no leak report, no message
}

TEST_F(HackTest, RootDrawsOnTheWholeScreen) {
  const Reference ref = record(kScreenW, kScreenH);
  auto hack = startKalyx({"-root", "--screens", "6"});
  ASSERT_TRUE(waitUntil([&] { return matchingShare(ref, 0, 0) >= 0.97; })) << hack->errors();
  ::kill(hack->pid(), SIGTERM);
  EXPECT_EQ(hack->wait(10000), 0);
  EXPECT_EQ(hack->errors(), "");
}

TEST_F(HackTest, TheDaemonsWindowVariableWinsOverRoot) {
  XTestWindow window(m_server.display(), 300, 200, 320, 240);
  const COLORREF outside = m_server.pixel(10, 10);
  auto hack = startKalyx({"-root", "--screens", "6"}, {"XSCREENSAVER_WINDOW=" + std::to_string(window.id())});
  ASSERT_TRUE(waitUntil([&] { return covered(300, 200, 320, 240); })) << hack->errors();
  EXPECT_EQ(m_server.pixel(10, 10), outside);
  ::kill(hack->pid(), SIGTERM);
  EXPECT_EQ(hack->wait(10000), 0);
}

TEST_F(HackTest, TwoCopiesRunInTwoWindowsAtOnce) {
  XTestWindow left(m_server.display(), 0, 0, 390, 300);
  XTestWindow right(m_server.display(), 400, 0, 390, 300);
  auto one = startKalyx({"-window-id", std::to_string(left.id()), "--screens", "6"});
  auto two = startKalyx({"-window-id", std::to_string(right.id()), "--screens", "6"});
  ASSERT_TRUE(waitUntil([&] { return covered(0, 0, 390, 300) && covered(400, 0, 390, 300); }))
      << one->errors() << two->errors();
  EXPECT_TRUE(one->running());
  EXPECT_TRUE(two->running());
  ::kill(one->pid(), SIGTERM);
  ::kill(two->pid(), SIGTERM);
  EXPECT_EQ(one->wait(10000), 0);
  EXPECT_EQ(two->wait(10000), 0);
}

TEST_F(HackTest, FollowsTheWindowWhenItIsResized) {
  const Reference ref = record(520, 360);
  XTestWindow window(m_server.display(), 40, 30, 400, 300);
  auto hack = startKalyx({"-window-id", std::to_string(window.id()), "--screens", "6"});
  ASSERT_TRUE(waitUntil([&] { return covered(40, 30, 400, 300); })) << hack->errors();
  window.resize(520, 360);
  // The grown part is covered and the console is laid out for the new size.
  EXPECT_TRUE(waitUntil([&] { return covered(40, 30, 520, 360) && matchingShare(ref, 40, 30) >= 0.97; }))
      << hack->errors();
  EXPECT_TRUE(hack->running());
  ::kill(hack->pid(), SIGTERM);
  EXPECT_EQ(hack->wait(10000), 0);
  EXPECT_EQ(hack->errors(), "");
}

TEST_F(HackTest, EndsWhenItsWindowIsDestroyed) {
  XTestWindow window(m_server.display(), 0, 0, 300, 200);
  auto hack = startKalyx({"-window-id", std::to_string(window.id()), "--screens", "6"});
  ASSERT_TRUE(waitUntil([&] { return covered(0, 0, 300, 200); })) << hack->errors();
  window.destroy();
  EXPECT_EQ(hack->wait(10000), 0) << hack->errors();
}

TEST_F(HackTest, OverridesChangeTheRunAndLeaveTheSettingsFileAlone) {
  std::filesystem::create_directories(m_home.windowsDirectory());
  const auto ini = m_home.windowsDirectory() / "Kalyx.ini";
  const std::string settings = "[Settings]\nClrCd=2\nScrnScnds=30\nClkScndCnt=2\nDispWarp=0\n";
  std::ofstream(ini) << settings;
  XTestWindow window(m_server.display(), 0, 0, 300, 200);
  auto hack = startKalyx({"-window-id", std::to_string(window.id()), "--screens", "6", "--fps", "10",
                          "--seconds-per-screen", "5", "--colors", "256", "--text", "A||B"});
  ASSERT_TRUE(waitUntil([&] { return covered(0, 0, 300, 200); })) << hack->errors();
  ::kill(hack->pid(), SIGTERM);
  EXPECT_EQ(hack->wait(10000), 0);
  EXPECT_EQ(readFile(ini), settings);
}

TEST_F(HackTest, ABadWindowIdIsReportedWithCode2) {
  auto hack = startKalyx({"-window-id", "0x3fffff1"});
  EXPECT_EQ(hack->wait(10000), 2);
  EXPECT_NE(hack->errors().find("no X window"), std::string::npos) << hack->errors();
}

}  // namespace
}  // namespace kx::test
