// The biomolecular scan screen recorded as a GIF: from one tick to the next the molecule panel's
// helix turns while the scan field's helix stands still.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/temp_home.h"

namespace kx::test {
namespace {

struct Area {
  int left, top, right, bottom;
};

// At 1024 x 768: the molecule panel, and the scan field between the bracket's arms, over the
// columns of its helix (the scan field's layout is worked out in the screen's own tests).
constexpr Area kMoleculePanel{194, 292, 675, 768};
constexpr Area kStillHelix{760, 325, 890, 615};

// The colour of each pixel of frame i, as 0xRRGGBB: every frame carries its own palette.
std::vector<uint32_t> framePixels(const GifFileType* gif, int i) {
  const SavedImage& image = gif->SavedImages[i];
  const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
  const int count = image.ImageDesc.Width * image.ImageDesc.Height;
  std::vector<uint32_t> pixels(count);
  for (int p = 0; p < count; ++p) {
    const GifColorType& c = map->Colors[image.RasterBits[p]];
    pixels[p] = uint32_t(c.Red) << 16 | uint32_t(c.Green) << 8 | c.Blue;
  }
  return pixels;
}

int differences(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int width, const Area& area) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += a[y * width + x] != b[y * width + x];
  return n;
}

TEST(MedicalRecording, TheMoleculeTurnsAndTheScanFieldStandsStill) {
  TempHome home;
  const std::string out = (home.root() / "medical.gif").string();
  ChildProcess p({kalyxPath(), "--record", out, "--screen", "2", "--size", "1024x768", "--seconds", "2"}, {},
            {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"});
  ASSERT_EQ(p.wait(120000), 0) << p.errors();

  int error = 0;
  GifFileType* gif = DGifOpenFileName(out.c_str(), &error);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  ASSERT_EQ(gif->SWidth, 1024);
  ASSERT_GE(gif->ImageCount, 3);
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(gif->SavedImages[i].ImageDesc.Width, 1024);
    ASSERT_EQ(gif->SavedImages[i].ImageDesc.Height, 768);
  }
  // Frames 1 and 2 are two ticks after the screen's first paint.
  const std::vector<uint32_t> first = framePixels(gif, 1);
  const std::vector<uint32_t> second = framePixels(gif, 2);
  DGifCloseFile(gif, &error);

  EXPECT_GT(differences(first, second, 1024, kMoleculePanel), 100);
  EXPECT_EQ(differences(first, second, 1024, kStillHelix), 0);
  // The still helix is there to compare: cyan outlines in its columns.
  int cyan = 0;
  for (int y = kStillHelix.top; y < kStillHelix.bottom; ++y)
    for (int x = kStillHelix.left; x < kStillHelix.right; ++x) cyan += first[y * 1024 + x] == 0x00FFFF;
  EXPECT_GT(cyan, 0);
}

}  // namespace
}  // namespace kx::test
