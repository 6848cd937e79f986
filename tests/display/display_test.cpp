#include "display/display.h"

#include <gtest/gtest.h>

#include "app/kalyx.h"
#include "support/headless_desktop.h"
#include "support/temp_home.h"

namespace {

class CDisplayTest : public kx::test::HeadlessDesktop {
 protected:
  kx::test::TempHome home;
};

TEST_F(CDisplayTest, UnitsFollowTheClientSize) {
  struct Case {
    int width, height, unitX, unitY;
  };
  // 320 x 240 gives 1.504 and 1.56, raised to the 3-pixel minimum; 1280 x 1024 gives 6.016 and 6.656;
  // 1920 x 1080 gives 9.024 and 7.02.
  const Case cases[] = {
      {1024, 768, 4, 4}, {320, 240, 3, 3}, {640, 480, 3, 3}, {1280, 1024, 6, 6}, {1920, 1080, 9, 7}};
  CKalyx kalyx;
  for (const Case& c : cases) {
    HWND main = createWindow(WS_POPUP, {0, 0, c.width, c.height});
    kalyx.SetMainWindow(main);
    CDisplay display(&kalyx);
    EXPECT_EQ(display.SetUp(), 0);
    EXPECT_EQ(display.id, 0);
    EXPECT_EQ(display.width, c.width);
    EXPECT_EQ(display.height, c.height);
    EXPECT_EQ(display.unitX, c.unitX) << c.width;
    EXPECT_EQ(display.unitY, c.unitY) << c.height;
    DestroyWindow(main);
  }
}

}  // namespace
