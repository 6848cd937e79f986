// Whole-screen comparisons against reference PNGs. A test renders with a fixed seed on the virtual
// clock and compares with a stated tolerance; on failure the rendered, the expected and a
// difference image are written next to the test's output, so the change can be looked at.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kx::test {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first, no padding

  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// An empty image (width 0) when the file cannot be read as a PNG.
Image readPng(const std::string& path);
bool writePng(const Image& image, const std::string& path);

struct Tolerance {
  int channel = 0;         // a pixel differs when any channel is further apart than this
  double differing = 0.0;  // the share of pixels (0 to 1) that may differ
};

// Passes when the images have one size and no more than the tolerated share of pixels differ.
// Otherwise writes <outputDir>/<name>.actual.png, .expected.png and .diff.png (differing pixels
// in red over a dimmed copy of the expected image) and says where they are.
::testing::AssertionResult matchesReference(const Image& actual, const std::string& referencePath,
                                            Tolerance tolerance, const std::string& name);

// Where comparisons write their images: <build>/test-output, made on first use.
std::string testOutputDir();

}  // namespace kx::test
