// The Linux command line: our own options, their errors and exit codes, recording without a
// display, and a second copy.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/screen_table.h"
#include "support/child_process.h"
#include "support/temp_home.h"
#include "support/wait_until.h"

namespace kx::test {
namespace {

// No display whatever the machine has: the saver and the settings dialog cannot open.
const std::vector<std::string> kNoDisplay = {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"};

// Whether the process has its SIGTERM handler in place, from the caught-signal mask Linux shows.
bool catchesSigterm(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1;
  }
  return false;
}

class CommandLineTest : public ::testing::Test {
 protected:
  struct Result {
    int code;
    std::string out;
    std::string err;
  };
  Result run(std::vector<std::string> args, int timeoutMs = 60000) {
    args.insert(args.begin(), kalyxPath());
    ChildProcess p(args, {}, kNoDisplay);
    int code = p.wait(timeoutMs);
    return {code, p.output(), p.errors()};
  }
  std::string file(const char* name) const { return (m_home.root() / name).string(); }

  TempHome m_home;
};

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

int lineCount(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(CommandLineTest, BadOptionsGiveOneLineNamingThemAndCode2) {
  struct Case {
    std::vector<std::string> args;
    const char* named;
  } cases[] = {
      {{"--bogus"}, "--bogus"},
      {{"/s", "--full"}, "--full"},
      {{"--record"}, "--record"},
      {{"--record", "out.bmp"}, "out.bmp"},
      {{"--record", "a.png", "--size", "0x768"}, "0x768"},
      {{"--record", "a.png", "--size", "1024"}, "1024"},
      {{"--record", "a.png", "--size", "1024x-5"}, "1024x-5"},
      {{"--record", "a.png", "--size", "99999x10"}, "99999x10"},
      {{"--record", "a.png", "--seconds", "0"}, "--seconds"},
      {{"--record", "a.png", "--seconds", "3s"}, "3s"},
      {{"--record", "a.png", "--screen", "7"}, "--screen"},
      {{"--record", "a.png", "--screen", "0"}, "--screen"},
      {{"--record", "a.png", "--screen"}, "--screen"},
      {{"--screen", "6"}, "--screen"},  // only with --record
      {{"--window", "--seconds", "3"}, "--seconds"},
  };
  for (const Case& c : cases) {
    Result r = run(c.args);
    std::string all;
    for (const std::string& a : c.args) all += a + " ";
    EXPECT_EQ(r.code, 2) << all;
    EXPECT_EQ(lineCount(r.err), 1) << all << ": " << r.err;
    EXPECT_NE(r.err.find(c.named), std::string::npos) << all << ": " << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists("a.png"));
}

TEST_F(CommandLineTest, HelpAndVersion) {
  Result help = run({"--help"});
  EXPECT_EQ(help.code, 0);
  for (const char* option : {"--window", "--record", "--size", "--seconds", "--screen", "--version"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
  Result version = run({"--version"});
  EXPECT_EQ(version.code, 0);
  EXPECT_NE(version.out.find("1.2.0.4"), std::string::npos) << version.out;
}

TEST_F(CommandLineTest, WithoutDisplayTheSaverAndTheDialogSuggestRecording) {
  for (std::vector<std::string> args :
       {std::vector<std::string>{"/s"}, {"-S"}, {}, {"/c"}, {"/p", "1234"}, {"--window"}}) {
    Result r = run(args, 10000);
    EXPECT_EQ(r.code, 2) << (args.empty() ? "" : args[0]);
    EXPECT_EQ(lineCount(r.err), 1) << r.err;
    EXPECT_NE(r.err.find("--record"), std::string::npos) << r.err;
  }
}

TEST_F(CommandLineTest, AnUnusableDisplayIsSaidAndEndsWithCode2InsteadOfAnInvisibleRun) {
  // SDL would fall back to drawing off screen here; only a driver the user names may do that.
  for (const char* display : {":999", "", "/tmp/kalyx-no-such-socket"}) {
    for (std::vector<std::string> args : {std::vector<std::string>{"/s"}, {}}) {
      args.insert(args.begin(), kalyxPath());
      ChildProcess p(args, {std::string("DISPLAY=") + display}, {"WAYLAND_DISPLAY", "SDL_VIDEODRIVER"});
      EXPECT_EQ(p.wait(20000), 2) << "DISPLAY=" << display << " " << args.size();
      EXPECT_EQ(lineCount(p.errors()), 1) << p.errors();
      EXPECT_NE(p.errors().find("cannot open the display"), std::string::npos) << p.errors();
    }
  }
}

TEST_F(CommandLineTest, RecordsTheTestScreenAsPngWithoutDisplay) {
  Result r = run({"--record", file("out.png"), "--screen", "6", "--size", "1024x768", "--seconds", "3"});
  ASSERT_EQ(r.code, 0) << r.err;
  std::string png = readFile(file("out.png"));
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  auto be32 = [&png](size_t at) {
    return (static_cast<unsigned char>(png[at]) << 24) | (static_cast<unsigned char>(png[at + 1]) << 16) |
           (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
  };
  EXPECT_EQ(be32(16), 1024u);  // IHDR width and height
  EXPECT_EQ(be32(20), 768u);
  // The settings file was not written: --screen lives in memory only.
  EXPECT_FALSE(std::filesystem::exists(m_home.windowsDirectory() / "Kalyx.ini"));
}

TEST_F(CommandLineTest, GifHoldsEveryTickWithItsDelay) {
  // Two ticks a second (501 ms each) over two seconds: the first frame and four ticks.
  Result r = run({"--record", file("out.gif"), "--screen", "6", "--size", "320x240", "--seconds", "2"});
  ASSERT_EQ(r.code, 0) << r.err;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(file("out.gif").c_str(), &error);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  EXPECT_EQ(gif->SWidth, 320);
  EXPECT_EQ(gif->SHeight, 240);
  EXPECT_EQ(gif->ImageCount, 5);
  for (int i = 0; i + 1 < gif->ImageCount; ++i) {
    GraphicsControlBlock gcb{};
    ASSERT_EQ(DGifSavedExtensionToGCB(gif, i, &gcb), GIF_OK);
    EXPECT_TRUE(gcb.DelayTime == 50 || gcb.DelayTime == 51) << "frame " << i << ": " << gcb.DelayTime;
  }
  DGifCloseFile(gif, &error);
  // An ordinary file: others may read it as the umask allows, as with the PNG.
  const auto perms = std::filesystem::status(file("out.gif")).permissions();
  EXPECT_NE(perms & std::filesystem::perms::others_read, std::filesystem::perms::none);
}

TEST_F(CommandLineTest, AFullDiskLeavesNoPartialRecordingBehind) {
  // The file-size limit stands in for a full disk: writes past 512 bytes fail as they would with no
  // space left, and the old file of that name stays as it was.
  for (const char* name : {"full.gif", "full.png"}) {
    const std::string old = "the previous recording";
    std::ofstream(file(name)) << old;
    const std::string command = "ulimit -f 1; trap '' XFSZ; exec '" + kalyxPath() + "' --record '" +
                                file(name) + "' --screen 6 --size 640x480 --seconds 2";
    ChildProcess p({"sh", "-c", command}, {}, kNoDisplay);
    EXPECT_EQ(p.wait(60000), 1) << name << ": " << p.errors();
    EXPECT_EQ(lineCount(p.errors()), 1) << p.errors();
    EXPECT_EQ(readFile(file(name)), old) << name;
  }
  // Nothing else is left in the folder: no temporary file either.
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(m_home.root()))
    entries += entry.is_regular_file();
  EXPECT_EQ(entries, 2);
}

TEST_F(CommandLineTest, DemoShowsEveryScreenOfTheBuildInTurn) {
  int built = 0;
  for (const ScreenEntry& screen : aScreens) built += screen.create != nullptr;
  // One second a screen at two ticks a second: two frames each, and the first frame.
  Result r = run({"--record", file("demo.gif"), "--demo", "--size", "320x240", "--seconds", "1"});
  ASSERT_EQ(r.code, 0) << r.err;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(file("demo.gif").c_str(), &error);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  EXPECT_EQ(gif->ImageCount, 2 * built + 1);
  DGifCloseFile(gif, &error);
  EXPECT_EQ(run({"--demo"}).code, 2);  // only with --record
}

TEST_F(CommandLineTest, ScreenNotInThisBuildIsRefused) {
  // Screen 1 joins the build later; until then --screen 1 says so instead of recording black.
  Result r = run({"--record", file("one.png"), "--screen", "1", "--seconds", "1"});
  if (r.code == 0) GTEST_SKIP() << "screen 1 is in this build";
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("--screen 1"), std::string::npos) << r.err;
}

TEST_F(CommandLineTest, SecondCopyEndsAtOnceWithCode1) {
  ChildProcess holder(
      {std::string(KALYX_BINARY_DIR) + "/test-programs/mutex_holder", "KALYX32 Screen Saver"});
  ASSERT_TRUE(holder.started());
  // The holder says "owned" once it has the name.
  waitUntil([&] { return !holder.output().empty(); });
  ASSERT_EQ(holder.output(), "owned\n");
  // The entry's own guard turns each away: the display modes on SDL's display-less driver, so
  // that the platform starts and WinMain runs.
  for (std::vector<std::string> args : {std::vector<std::string>{"/s"}, {}, {"--window"}}) {
    args.insert(args.begin(), kalyxPath());
    ChildProcess p(args, {"SDL_VIDEODRIVER=dummy"}, {"DISPLAY", "WAYLAND_DISPLAY"});
    EXPECT_EQ(p.wait(10000), 1) << p.errors();
    EXPECT_EQ(p.errors(), "");
  }
  // A recording shares nothing with the running copy and goes ahead beside it.
  Result r = run({"--record", file("x.png"), "--screen", "6", "--seconds", "1", "--size", "64x48"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(std::filesystem::exists(file("x.png")));
}

TEST_F(CommandLineTest, ALockFolderOthersMayEnterEndsTheStartWithCode2) {
  const std::filesystem::path folder = m_home.root() / "run" / "kalyx";
  std::filesystem::create_directories(folder);
  std::filesystem::permissions(folder,
                               std::filesystem::perms::owner_all | std::filesystem::perms::others_all);
  for (std::vector<std::string> args : {std::vector<std::string>{"/s"}, {}}) {
    Result r = run(args, 10000);
    EXPECT_EQ(r.code, 2) << r.err;
    EXPECT_EQ(lineCount(r.err), 1) << r.err;
    EXPECT_NE(r.err.find("lock folder"), std::string::npos) << r.err;
  }
  // Nothing was planted or made in the folder others may write into.
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(CommandLineTest, SigtermEndsARecordingCleanly) {
  ChildProcess p(
      {kalyxPath(), "--record", file("long.png"), "--screen", "6", "--size", "200x150", "--seconds", "86400"},
      {}, kNoDisplay);
  ASSERT_TRUE(p.started());
  ASSERT_TRUE(waitUntil([&] { return catchesSigterm(p.pid()); })) << p.errors();
  ::kill(p.pid(), SIGTERM);
  EXPECT_EQ(p.wait(10000), 0) << p.errors();
  EXPECT_TRUE(std::filesystem::exists(file("long.png")));
}

}  // namespace
}  // namespace kx::test
