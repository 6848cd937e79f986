#include "screens/propulsion/disp_warp.h"

#include <gtest/gtest.h>

#include "app/screen_table.h"
#include "display/display_fixture.h"
#include "screens/propulsion/sub_warp.h"

namespace {

class DispWarp : public DisplayTest {};

TEST_F(DispWarp, IsScreenFourWithItsTitleAndPanels) {
  CDispWarp screen(app.get());
  EXPECT_EQ(screen.id, 4);
  EXPECT_STREQ(screen.title, "WARP PROPULSION SYSTEM STATUS");
  EXPECT_NE(dynamic_cast<CSubNbrs*>(screen.subUpper), nullptr);
  EXPECT_NE(dynamic_cast<CSubWarp*>(screen.subLower), nullptr);
  EXPECT_EQ(screen.SetUp(), 0);
  EXPECT_EQ(Trace(), "");
}

// The screen table builds it for screen 4, so the saver, --window and --record --screen 4 run it.
TEST_F(DispWarp, TheScreenTableBuildsItForScreenFour) {
  const ScreenEntry* entry = nullptr;
  for (const ScreenEntry& e : aScreens)
    if (e.number == 4) entry = &e;
  ASSERT_NE(entry, nullptr);
  ASSERT_NE(entry->create, nullptr);
  CDisplay* display = entry->create(app.get());
  ASSERT_NE(display, nullptr);
  EXPECT_NE(dynamic_cast<CDispWarp*>(display), nullptr);
  delete display;
}

}  // namespace
