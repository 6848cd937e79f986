// The saver beyond one plain display: as the preview child of the display settings' window, and
// over several displays, with the console on the primary one and the curtain over the rest.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "app/curtain.h"
#include "app/host.h"
#include "app/kalyx.h"
#include "app/preview.h"
#include "app/saver_input.h"
#include "display/display.h"
#include "kx/platform.h"
#include "support/gdi_leak_check.h"
#include "support/headless_desktop.h"
#include "support/temp_home.h"

namespace kx::test {
namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr char kBehindClass[] = "KxTestBehind";

// The saver's objects as the entry makes them, without the entry's message loop.
class SaverObjects {
 public:
  void create() {
    hbrMain = CreateSolidBrush(RGB(0, 0, 0));
    lpKalyx = new CKalyx;
    lpKalyx->BuildColors();
    ASSERT_NE(RegisterMainClass(nullptr), 0);
  }
  // Whatever the saver left: the window's destruction deletes the rest.
  void destroy() {
    if (lpKalyx != nullptr && lpKalyx->hwndMain != nullptr) DestroyWindow(lpKalyx->hwndMain);
    if (lpKalyx != nullptr) {
      DeleteDisplay();
      delete lpKalyx;
      lpKalyx = nullptr;
    }
    if (hbrMain != nullptr) DeleteObject(hbrMain);
    hbrMain = nullptr;
    DestroyCurtain();
    UnregisterClassA(kMainClass, nullptr);
    UnregisterClassA("KalyxCurtain", nullptr);
    // Unregistering deletes the panel class's background brush, made with the first panel.
    UnregisterClassA("KXSubDisp", nullptr);
    bPreview = false;
    ptCursor = POINT{-1, -1};
  }
};

// Runs the saver's messages and one whole second of ticks.
void runASecond() {
  for (int tick = 0; tick < 3; ++tick) {
    advanceClock(501);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

bool quitPosted() {
  MSG msg;
  return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
}

class PreviewTest : public HeadlessDesktop {
 protected:
  void SetUp() override {
    HeadlessDesktop::SetUp();
    m_saver.create();
  }
  void TearDown() override {
    m_saver.destroy();
    HeadlessDesktop::TearDown();
  }
  TempHome m_home;
  SaverObjects m_saver;
};

TEST_F(PreviewTest, TheSwitchNamesAnExistingWindow) {
  HWND parent = createWindow(WS_POPUP | WS_VISIBLE, {0, 0, 100, 80});
  const std::string id = std::to_string(reinterpret_cast<uintptr_t>(parent));
  struct Case {
    std::string cmdLine;
    bool preview;
  } cases[] = {
      {"/p " + id, true},     {"/p:" + id, true},
      {"-P  " + id, true},    {"x /p " + id, true},
      {"/p", false},  // no window: the settings dialog
      {"/p ", false},         {"/p 0", false},
      {"/p 987654", false},                                           // no such window
      {"/p x" + id, false},   {"/p 99999999999999999999999", false},  // too large for a handle
      {"/c /p " + id, false},                                         // the first switch decides
      {"/s", false},          {"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PreviewParent(c.cmdLine.c_str()), c.preview ? parent : nullptr) << "'" << c.cmdLine << "'";
  }
  EXPECT_EQ(PreviewParent(nullptr), nullptr);
}

TEST_F(PreviewTest, FillsTheParentIgnoresInputAndEndsWithTheParent) {
  const RECT area{200, 150, 520, 390};
  HWND parent = createWindow(WS_POPUP | WS_VISIBLE, area);
  bPreview = true;
  ASSERT_EQ(CreatePreviewWindow(nullptr, parent), 1);
  HWND main = lpKalyx->hwndMain;
  EXPECT_EQ(GetParent(main), parent);
  RECT onScreen{};
  GetWindowRect(main, &onScreen);
  EXPECT_TRUE(EqualRect(&onScreen, &area));
  runASecond();
  ASSERT_NE(lpDisplay, nullptr);
  EXPECT_EQ(lpDisplay->width, 320);
  EXPECT_EQ(lpDisplay->height, 240);

  // Moves queued together merge into one, so each is handled before the next.
  injectMouseMove(300, 200);
  runASecond();
  injectMouseMove(340, 260);
  runASecond();
  injectMouseButton(MouseButton::Left, true, 340, 260);
  injectKeyDown('A');
  runASecond();
  EXPECT_TRUE(IsWindow(main));
  EXPECT_FALSE(quitPosted());

  DestroyWindow(parent);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_EQ(lpKalyx, nullptr);  // the saver cleaned up as on any end
  EXPECT_TRUE(quitPosted());
}

TEST_F(PreviewTest, OutsideThePreviewTheSameInputEndsTheSaver) {
  HWND parent = createWindow(WS_POPUP | WS_VISIBLE, {200, 150, 520, 390});
  ASSERT_EQ(CreatePreviewWindow(nullptr, parent), 1);  // bPreview off: a saver's rules
  HWND main = lpKalyx->hwndMain;
  runASecond();
  injectMouseMove(300, 200);
  runASecond();
  injectMouseMove(340, 260);
  runASecond();
  // The window under the pointer (the main window or a panel) closes, which ends the loop.
  EXPECT_TRUE(quitPosted() || !IsWindow(main));
}

// Several displays; the fixture starts its own desktop.
struct Layout {
  const char* name;
  std::vector<RECT> displays;  // the primary first
};

void PrintTo(const Layout& layout, std::ostream* os) {
  *os << layout.name;
}

class MonitorsTest : public ::testing::TestWithParam<Layout> {
 protected:
  void SetUp() override {
    PlatformOptions options;
    options.monitors = GetParam().displays;
    ASSERT_EQ(startPlatform(options), "");
    m_gdi = countGdiObjects();
    // Another program's window over every display, which the saver must hide everywhere.
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hbrBackground = CreateSolidBrush(kMagenta);
    wc.lpszClassName = kBehindClass;
    RegisterClassA(&wc);
    m_behindBrush = wc.hbrBackground;
    CreateWindowExA(0, kBehindClass, "", WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN),
                    GetSystemMetrics(SM_CYVIRTUALSCREEN), nullptr, nullptr, nullptr, nullptr);
    m_saver.create();
  }
  void TearDown() override {
    m_saver.destroy();
    stopPlatform();
    UnregisterClassA(kBehindClass, nullptr);
    DeleteObject(m_behindBrush);
    expectNoGdiLeaks(m_gdi);
  }

  // The displays as the desktop places them: moved so the union starts at (0, 0).
  std::vector<RECT> placed() const {
    std::vector<RECT> all = GetParam().displays;
    LONG left = all.front().left, top = all.front().top;
    for (const RECT& r : all) left = std::min(left, r.left), top = std::min(top, r.top);
    for (RECT& r : all) OffsetRect(&r, -left, -top);
    return all;
  }

  TempHome m_home;
  SaverObjects m_saver;
  GdiCounts m_gdi;
  HBRUSH m_behindBrush = nullptr;
};

TEST_P(MonitorsTest, TheConsoleIsOnThePrimaryAndNoDisplayShowsWhatIsBehind) {
  const std::vector<RECT> displays = placed();
  ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), static_cast<int>(displays.size()));
  ASSERT_EQ(CreateMainWindow(nullptr, SW_SHOW), 1);
  runASecond();
  RECT main{};
  GetWindowRect(lpKalyx->hwndMain, &main);
  EXPECT_TRUE(EqualRect(&main, &displays.front()));
  ASSERT_NE(lpDisplay, nullptr);
  EXPECT_EQ(lpDisplay->width, displays.front().right - displays.front().left);

  for (const RECT& d : displays) {
    // Every fourth pixel, and the last row and column of each display exactly.
    for (LONG y = d.top; y < d.bottom; y += 4) {
      for (LONG x = d.left; x < d.right; x += 4) ASSERT_NE(desktopPixel(x, y), kMagenta) << x << "," << y;
      ASSERT_NE(desktopPixel(d.right - 1, y), kMagenta) << d.right - 1 << "," << y;
    }
    for (LONG x = d.left; x < d.right; ++x) ASSERT_NE(desktopPixel(x, d.bottom - 1), kMagenta) << x;
  }
  // The console draws on the primary display only; the others are black.
  bool consoleOnPrimary = false;
  const RECT& primary = displays.front();
  for (LONG y = primary.top; y < primary.bottom && !consoleOnPrimary; y += 2) {
    for (LONG x = primary.left; x < primary.right && !consoleOnPrimary; x += 2)
      consoleOnPrimary = desktopPixel(x, y) != RGB(0, 0, 0);
  }
  EXPECT_TRUE(consoleOnPrimary);
  for (size_t i = 1; i < displays.size(); ++i) {
    const RECT& d = displays[i];
    for (LONG y = d.top; y < d.bottom; y += 3) {
      for (LONG x = d.left; x < d.right; x += 3) ASSERT_EQ(desktopPixel(x, y), RGB(0, 0, 0)) << x << "," << y;
    }
  }
}

TEST_P(MonitorsTest, MovingTheMouseOverAnotherDisplayEndsTheSaver) {
  const std::vector<RECT> displays = placed();
  ASSERT_EQ(CreateMainWindow(nullptr, SW_SHOW), 1);
  HWND main = lpKalyx->hwndMain;
  runASecond();
  ASSERT_NE(hwndCurtain, nullptr);
  const RECT& other = displays.back();
  injectMouseMove(other.left + 10, other.top + 10);
  runASecond();
  injectMouseMove(other.left + 30, other.top + 20);
  runASecond();
  EXPECT_FALSE(IsWindow(main));
  EXPECT_EQ(hwndCurtain, nullptr);  // it went with the main window
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, MonitorsTest,
    ::testing::Values(Layout{"SecondRightAndSmaller", {{0, 0, 800, 600}, {800, 0, 1440, 480}}},
                      Layout{"SecondLeftAndLower", {{0, 0, 640, 480}, {-800, 100, 0, 700}}},
                      Layout{"ThreeInARow", {{0, 0, 400, 300}, {-400, 0, 0, 300}, {400, 0, 800, 300}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MonitorsSingleTest, OneDisplayHasNoCurtain) {
  TempHome home;
  ASSERT_EQ(startPlatform(PlatformOptions{}), "");
  SaverObjects saver;
  saver.create();
  ASSERT_EQ(CreateMainWindow(nullptr, SW_SHOW), 1);
  EXPECT_EQ(hwndCurtain, nullptr);
  saver.destroy();
  stopPlatform();
}

}  // namespace
}  // namespace kx::test
