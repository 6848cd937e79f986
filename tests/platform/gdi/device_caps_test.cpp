// A screen DC's device caps: the size of the desktop that is open, the default one's before.
#include <gtest/gtest.h>
#include <windows.h>

#include "kx/platform.h"
#include "support/gdi_leak_check.h"

namespace kx::test {
namespace {

class DeviceCapsTest : public GdiLeakCheck {
 protected:
  SIZE screenSize() {
    HDC dc = CreateCompatibleDC(nullptr);
    SIZE size{GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
    DeleteDC(dc);
    return size;
  }
};

TEST_F(DeviceCapsTest, HorzresAndVertresAreTheOpenDesktopsSize) {
  PlatformOptions options;
  options.width = 640;
  options.height = 480;
  ASSERT_EQ(startPlatform(options), "");
  EXPECT_EQ(screenSize().cx, 640);
  EXPECT_EQ(screenSize().cy, 480);
  stopPlatform();
  // Without a desktop, the size of the default headless desktop the first window would open.
  EXPECT_EQ(screenSize().cx, 1024);
  EXPECT_EQ(screenSize().cy, 768);
  EXPECT_FALSE(platformStarted());
}

}  // namespace
}  // namespace kx::test
