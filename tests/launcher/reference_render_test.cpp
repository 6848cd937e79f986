// The test screen recorded headless must still look as the picture the README shows: the
// recording is seeded and runs on the virtual clock, so only font rendering may move a few pixels.
#include <gtest/gtest.h>

#include <string>

#include "support/child_process.h"
#include "support/reference_image.h"
#include "support/temp_home.h"

namespace {

using kx::test::ChildProcess;

TEST(ReferenceRenderTest, TestScreenMatchesTheReadmePicture) {
  kx::test::TempHome home;  // default settings, and a lock of its own
  const std::string out = (home.root() / "test-screen.png").string();
  ChildProcess kalyx({kx::test::kalyxPath(), "--record", out, "--screen", "6", "--seconds", "3"});
  ASSERT_EQ(kalyx.wait(60000), 0) << kalyx.errors();
  const kx::test::Image recorded = kx::test::readPng(out);
  ASSERT_GT(recorded.width, 0) << "no PNG at " << out;
  // Anti-aliased text edges may shift by a level or two between font builds, a few dozen pixels at
  // most; a changed digit of the numbers panel alone moves more than that.
  EXPECT_TRUE(kx::test::matchesReference(recorded, std::string(KALYX_SOURCE_DIR) + "/docs/test-screen.png",
                                         {.channel = 8, .differing = 0.0001}, "test-screen"));
}

}  // namespace
