// The warp screen recorded without a display: its conduits' stripes creep between frames.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/temp_home.h"

namespace kx::test {
namespace {

// At 1024 x 768 the warp panel's client area starts at (194, 292); its horizontal conduit runs along
// the panel's row 238 from x = 407 to the core at x = 685.
constexpr int kPanelLeft = 194;
constexpr int kConduitRow = 292 + 238;
constexpr int kConduitFrom = kPanelLeft + 420, kConduitTo = kPanelLeft + 670;

struct Stripes {
  std::set<int> residues;  // of the black columns' panel x modulo 8
  std::set<uint32_t> gapColours;
};

Stripes StripesOf(const SavedImage& frame, int width) {
  Stripes stripes;
  const ColorMapObject* map = frame.ImageDesc.ColorMap;
  for (int x = kConduitFrom; x < kConduitTo; ++x) {
    const GifColorType c = map->Colors[frame.RasterBits[size_t(kConduitRow) * size_t(width) + size_t(x)]];
    const uint32_t rgb = uint32_t(c.Red) << 16 | uint32_t(c.Green) << 8 | c.Blue;
    if (rgb == 0) {
      stripes.residues.insert((x - kPanelLeft) & 7);
    } else {
      stripes.gapColours.insert(rgb);
    }
  }
  return stripes;
}

// Two ticks a second over three seconds: frame k is taken after tick k. Ticks 3 and 5 are step-1
// ticks with no repaint between them (tick 4 completes an odd second), so the phase moves by one
// step, -2 modulo 7, and the vertical stripes (column 4 of the cell from the origin's x) with it.
TEST(WarpRecording, StripesMoveOnePhaseBetweenTwoStepOneTicks) {
  TempHome home;
  const std::string gifPath = (home.root() / "warp.gif").string();
  ChildProcess p({kalyxPath(), "--record", gifPath, "--screen", "4", "--seconds", "3"}, {},
            {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"});
  ASSERT_EQ(p.wait(60000), 0) << p.errors();
  int error = 0;
  GifFileType* gif = DGifOpenFileName(gifPath.c_str(), &error);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  ASSERT_EQ(gif->ImageCount, 7);
  ASSERT_EQ(gif->SWidth, 1024);
  std::vector<int> phases;
  for (int k : {3, 5}) {
    const SavedImage& frame = gif->SavedImages[k];
    ASSERT_NE(frame.ImageDesc.ColorMap, nullptr);
    const Stripes stripes = StripesOf(frame, gif->SWidth);
    ASSERT_EQ(stripes.residues.size(), 1u) << "frame " << k;
    EXPECT_EQ(stripes.gapColours.size(), 1u) << "frame " << k;  // the gaps' slot 25
    phases.push_back((*stripes.residues.begin() - 4) & 7);
  }
  DGifCloseFile(gif, &error);
  ASSERT_LT(phases[0], 7);
  EXPECT_EQ(phases[1], (phases[0] + 5) % 7) << "from phase " << phases[0];
}

}  // namespace
}  // namespace kx::test
