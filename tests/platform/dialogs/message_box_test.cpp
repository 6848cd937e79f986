#include <gtest/gtest.h>
#include <kx/dialog_driver.h>
#include <kx/platform.h>

namespace kx {
namespace {

TEST(MessageBox, HeadlessPrintsOneLineAndAnswersOk) {
  ASSERT_EQ(startPlatform(), "");
  clearShownMessageBoxes();
  testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBoxA(nullptr, "You must select at least\none of the displays", "KALYX Settings - Error",
                        MB_ICONEXCLAMATION),
            IDOK);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "KALYX Settings - Error: You must select at least one of the displays\n");
  ASSERT_EQ(shownMessageBoxes().size(), 1u);
  EXPECT_EQ(shownMessageBoxes()[0].caption, "KALYX Settings - Error");
  EXPECT_EQ(shownMessageBoxes()[0].text, "You must select at least\none of the displays");
  EXPECT_EQ(shownMessageBoxes()[0].type, static_cast<UINT>(MB_ICONEXCLAMATION));
  stopPlatform();
}

}  // namespace
}  // namespace kx
