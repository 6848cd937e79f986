// The options of the display program and the settings overrides, parsed and applied in the
// process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/host.h"
#include "app/kalyx.h"
#include "launcher/options.h"
#include "launcher/overrides.h"
#include "support/temp_home.h"

namespace kx::test {
namespace {

std::string parse(std::vector<std::string> args, LaunchOptions& options) {
  args.insert(args.begin(), "kalyx");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  return parseCommandLine(static_cast<int>(argv.size()), argv.data(), options);
}

TEST(OptionsTest, DisplayProgramModes) {
  struct Case {
    std::vector<std::string> args;
    unsigned long window;
  } cases[] = {
      {{"-root"}, 0},
      {{"-window-id", "4194305"}, 4194305},
      {{"-window-id", "0x400001"}, 0x400001},
      {{"-window-id", "0X1f"}, 0x1f},
  };
  for (const Case& c : cases) {
    LaunchOptions options;
    EXPECT_EQ(parse(c.args, options), "") << c.args.back();
    EXPECT_EQ(options.mode, LaunchOptions::Mode::Hack) << c.args.back();
    EXPECT_EQ(options.xWindow, c.window) << c.args.back();
    EXPECT_EQ(options.winCmdLine, "") << c.args.back();
  }
}

TEST(OptionsTest, BadValuesNameTheOption) {
  const std::vector<std::vector<std::string>> cases = {
      {"-window-id"},
      {"-window-id", "0"},
      {"-window-id", "0x"},
      {"-window-id", "12ab"},
      {"-window-id", "-5"},
      {"-window-id", "0x1ffffffff"},
      {"--screens", "0"},
      {"--screens", "7"},
      {"--screens", "1,,2"},
      {"--screens", "1,1"},
      {"--screens", ""},
      {"--screens"},
      {"--fps", "0"},
      {"--fps", "1001"},
      {"--fps", "2.5"},
      {"--seconds-per-screen", "0"},
      {"--colors", "16"},
      {"--colors"},
      {"--text", std::string(256, 'x')},
      {"--text"},
  };
  for (const std::vector<std::string>& args : cases) {
    LaunchOptions options;
    const std::string error = parse(args, options);
    EXPECT_NE(error.find(args.front()), std::string::npos) << args.front() << ": " << error;
  }
}

TEST(OptionsTest, OverridesAreRead) {
  LaunchOptions options;
  ASSERT_EQ(parse({"/s", "--screens", "5,1,6", "--fps", "1000", "--seconds-per-screen", "86400", "--colors",
                   "256", "--text", std::string(255, 'y')},
                  options),
            "");
  EXPECT_EQ(options.winCmdLine, "/s");
  EXPECT_EQ(options.overrides.screens, (std::vector<int>{5, 1, 6}));
  EXPECT_EQ(options.overrides.fps, 1000);
  EXPECT_EQ(options.overrides.secondsPerScreen, 86400);
  EXPECT_EQ(options.overrides.colorCode, 1);
  EXPECT_EQ(options.overrides.text, std::string(255, 'y'));
  EXPECT_TRUE(options.overrides.any());
  LaunchOptions high;
  ASSERT_EQ(parse({"--colors", "high"}, high), "");
  EXPECT_EQ(high.overrides.colorCode, 2);
  LaunchOptions none;
  ASSERT_EQ(parse({"/s"}, none), "");
  EXPECT_FALSE(none.overrides.any());
}

TEST(OptionsTest, TheDaemonsWindowVariable) {
  struct Case {
    std::vector<std::string> args;
    const char* value;
    LaunchOptions::Mode mode;
    unsigned long window;
  } cases[] = {
      {{}, "0x200003", LaunchOptions::Mode::Hack, 0x200003},      // nothing else asked for
      {{"-root"}, "77", LaunchOptions::Mode::Hack, 77},           // wins over the root
      {{"-window-id", "5"}, "77", LaunchOptions::Mode::Hack, 5},  // an explicit id wins
      {{"/s"}, "77", LaunchOptions::Mode::Native, 0},             // the saver as asked
      {{"--window"}, "77", LaunchOptions::Mode::Window, 0},
      {{}, "", LaunchOptions::Mode::Native, 0},  // set but empty
  };
  for (const Case& c : cases) {
    LaunchOptions options;
    ASSERT_EQ(parse(c.args, options), "");
    EXPECT_EQ(useScreensaverWindow(c.value, options), "") << c.value;
    EXPECT_EQ(options.mode, c.mode) << c.value;
    EXPECT_EQ(options.xWindow, c.window) << c.value;
  }
  LaunchOptions bad;
  EXPECT_NE(useScreensaverWindow("window", bad).find("XSCREENSAVER_WINDOW"), std::string::npos);
}

class OverridesTest : public ::testing::Test {
 protected:
  void TearDown() override { installOverrides({}); }
  TempHome m_home;
};

TEST_F(OverridesTest, WinOverTheFileForTheRun) {
  SettingsOverrides o;
  o.screens = {2, 6};
  o.fps = 10;
  o.secondsPerScreen = 7;
  o.colorCode = 1;
  o.textGiven = true;
  o.text = "RED ALERT||ALL HANDS|ONE";
  installOverrides(o);
  ASSERT_NE(lpfnSettingsHook, nullptr);
  CKalyx app;
  lpfnSettingsHook(&app);
  const int expected[] = {0, 1, 0, 0, 0};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(app.*aScreens[i].enable, expected[i]) << i;
  EXPECT_EQ(app.DispCnt, 1);
  EXPECT_EQ(app.ClkScndCnt, 10);
  EXPECT_EQ(app.TimerPeriod, 101);
  EXPECT_EQ(app.ScrnScnds, 7);
  EXPECT_EQ(app.ClrCd, 1);
  EXPECT_STREQ(app.CommText, "RED ALERT\r\nALL HANDS|ONE");
}

TEST_F(OverridesTest, OnlyTheTestScreenListedLeavesNoOtherScreen) {
  SettingsOverrides o;
  o.screens = {6};
  installOverrides(o);
  CKalyx app;
  lpfnSettingsHook(&app);
  EXPECT_EQ(app.DispCnt, 0);
  EXPECT_EQ(app.DispTest, 1);
}

TEST_F(OverridesTest, NoneInstallNoHook) {
  installOverrides({});
  EXPECT_EQ(lpfnSettingsHook, nullptr);
}

}  // namespace
}  // namespace kx::test
