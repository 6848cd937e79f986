// --screen reads the one screen table too: a screen of the test's own, put in a slot, is what a
// recording of that slot shows, and a slot without a creator is refused.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/screen_table.h"
#include "display/display.h"
#include "launcher/options.h"
#include "launcher/recorder.h"
#include "support/temp_home.h"

namespace kx::test {
namespace {

int g_painted = 0;

// Paints its client area magenta and counts the paints.
class FakeScreen : public CDisplay {
 public:
  explicit FakeScreen(CKalyx* app) : CDisplay(app) { id = 2; }
  int Paint(HWND hwnd, HDC hdc) override {
    RECT client;
    GetClientRect(hwnd, &client);
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(hdc, &client, brush);
    DeleteObject(brush);
    ++g_painted;
    return 1;
  }
};

CDisplay* CreateFakeScreen(CKalyx* app) {
  return new FakeScreen(app);
}

class ScreenEntryRecordTest : public ::testing::Test {
 protected:
  void SetUp() override { m_saved = aScreens[1]; }
  void TearDown() override { aScreens[1] = m_saved; }

  int record(const std::string& path) {
    std::vector<std::string> args{"kalyx",     "--record", path,     "--screen", "2",
                                  "--seconds", "1",        "--size", "64x48"};
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    LaunchOptions options;
    EXPECT_EQ(parseCommandLine(static_cast<int>(argv.size()), argv.data(), options), "");
    return runRecording(options);
  }

  TempHome m_home;
  ScreenEntry m_saved{};
};

TEST_F(ScreenEntryRecordTest, TheSlotsCreatorIsWhatTheRecordingShows) {
  aScreens[1].create = &CreateFakeScreen;
  g_painted = 0;
  const std::string path = (m_home.root() / "fake.png").string();
  EXPECT_EQ(record(path), 0);
  EXPECT_GT(g_painted, 0);
  EXPECT_TRUE(std::filesystem::exists(path));
}

TEST_F(ScreenEntryRecordTest, ASlotWithoutACreatorIsRefused) {
  aScreens[1].create = nullptr;
  const std::string path = (m_home.root() / "none.png").string();
  testing::internal::CaptureStderr();
  EXPECT_EQ(record(path), 2);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("--screen 2"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace kx::test
