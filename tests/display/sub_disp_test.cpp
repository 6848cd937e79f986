#include "display/sub_disp.h"

#include <gtest/gtest.h>

#include <memory>

#include "display/disp_test.h"
#include "display/display_fixture.h"

namespace {

// The numbers panel of a set-up test screen, as the saver runs it.
class SubDispLifetime : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    test = std::make_unique<CDispTest>(app.get());
    test->SetUp();
    Pump();
    ASSERT_TRUE(IsWindow(test->subUpper->hwnd));
  }
  void TearDown() override {
    test.reset();
    DisplayTest::TearDown();
  }
  // Delivers what is queued; true when the quit message came by.
  static bool PumpUntilQuit() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return true;
      DispatchMessageA(&msg);
    }
    return false;
  }
  std::unique_ptr<CDispTest> test;
};

// The screen's destructor destroys the panel's window without the saver's end.
TEST_F(SubDispLifetime, DestroyedWithItsScreenTheSaverRunsOn) {
  const HWND panel = test->subUpper->hwnd;
  test.reset();
  EXPECT_FALSE(IsWindow(panel));
  EXPECT_FALSE(PumpUntilQuit());
}

// Input over a panel ends the saver as over the main window: the panel closes and its
// WM_DESTROY ends the message loop.
TEST_F(SubDispLifetime, InputOverThePanelEndsTheSaver) {
  const HWND panel = test->subUpper->hwnd;
  const RECT& r = test->rcUpper;
  kx::injectMouseButton(kx::MouseButton::Left, true, r.left + 20, r.top + 20);
  EXPECT_TRUE(PumpUntilQuit());
  EXPECT_FALSE(IsWindow(panel));
}

}  // namespace
