// A recording of the orbit screen: the panel moves on every tick while the frame around it keeps
// still, apart from the shapes that cycle their colours and the numbers panel.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/temp_home.h"

namespace kx::test {
namespace {

// Rectangles of the standard frame at 1024 x 768 (left, top, right, bottom).
constexpr RECT kLowerPanel{194, 292, 1013, 768};
constexpr RECT kUpperPanel{194, 99, 704, 246};
constexpr RECT kCycling[] = {
    {51, 0, 174, 99}, {51, 541, 174, 614}, {51, 618, 174, 768}, {881, 177, 1013, 238}};

bool Inside(const RECT& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

GifColorType Colour(const GifFileType* gif, int frame, int x, int y) {
  const SavedImage& image = gif->SavedImages[frame];
  const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
  const int index =
      image.RasterBits[(y - image.ImageDesc.Top) * image.ImageDesc.Width + (x - image.ImageDesc.Left)];
  return map->Colors[index];
}

bool Same(GifColorType a, GifColorType b) {
  return a.Red == b.Red && a.Green == b.Green && a.Blue == b.Blue;
}

TEST(RecordOrbit, FramesDifferInTheLowerPanelOnlyAndInTheCyclingShapes) {
  TempHome home;
  const std::string out = (home.root() / "orbit.gif").string();
  ChildProcess p({kalyxPath(), "--record", out, "--screen", "5", "--size", "1024x768", "--seconds", "3"}, {},
            {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"});
  ASSERT_EQ(p.wait(60000), 0) << p.errors();
  int error = 0;
  GifFileType* gif = DGifOpenFileName(out.c_str(), &error);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  ASSERT_GE(gif->ImageCount, 4);
  const int first = 1, last = gif->ImageCount - 1;
  for (int f : {first, last}) {
    const GifImageDesc& d = gif->SavedImages[f].ImageDesc;
    ASSERT_TRUE(d.Left == 0 && d.Top == 0 && d.Width == 1024 && d.Height == 768) << "frame " << f;
  }
  int inPanel = 0;
  int elsewhere = 0;
  for (int y = 0; y < 768; ++y) {
    for (int x = 0; x < 1024; ++x) {
      if (Same(Colour(gif, first, x, y), Colour(gif, last, x, y))) continue;
      if (Inside(kLowerPanel, x, y)) {
        ++inPanel;
        continue;
      }
      bool expected = Inside(kUpperPanel, x, y);
      for (const RECT& r : kCycling) expected = expected || Inside(r, x, y);
      if (!expected) {
        ++elsewhere;
        ADD_FAILURE_AT(__FILE__, __LINE__) << "changed at (" << x << ", " << y << ")";
        if (elsewhere > 5) break;
      }
    }
    if (elsewhere > 5) break;
  }
  EXPECT_GT(inPanel, 1000);
  EXPECT_EQ(elsewhere, 0);
  DGifCloseFile(gif, &error);
}

}  // namespace
}  // namespace kx::test
