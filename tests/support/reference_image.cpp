#include "support/reference_image.h"

#include <cairo.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace kx::test {

Image readPng(const std::string& path) {
  Image image;
  cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
    cairo_surface_flush(surface);
    image.width = cairo_image_surface_get_width(surface);
    image.height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
      for (int x = 0; x < image.width; ++x)
        image.pixels[static_cast<size_t>(y) * image.width + x] = row[x] & 0xFFFFFF;
    }
  }
  cairo_surface_destroy(surface);
  return image;
}

bool writePng(const Image& image, const std::string& path) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return false;
  }
  cairo_surface_flush(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  for (int y = 0; y < image.height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < image.width; ++x) row[x] = image.at(x, y);
  }
  cairo_surface_mark_dirty(surface);
  const bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return written;
}

std::string testOutputDir() {
  const std::string dir = std::string(KALYX_BINARY_DIR) + "/test-output";
  std::filesystem::create_directories(dir);
  return dir;
}

namespace {

int channelDistance(uint32_t a, uint32_t b) {
  int most = 0;
  for (int shift : {0, 8, 16}) {
    const int d = std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    most = d > most ? d : most;
  }
  return most;
}

// Differing pixels in red; the rest is the expected picture at a quarter of its brightness.
Image differenceImage(const Image& actual, const Image& expected, Tolerance tolerance) {
  Image diff{expected.width, expected.height, std::vector<uint32_t>(expected.pixels.size())};
  for (size_t i = 0; i < expected.pixels.size(); ++i) {
    diff.pixels[i] = channelDistance(actual.pixels[i], expected.pixels[i]) > tolerance.channel
                         ? 0xFF0000
                         : (expected.pixels[i] >> 2) & 0x3F3F3F;
  }
  return diff;
}

}  // namespace

::testing::AssertionResult matchesReference(const Image& actual, const std::string& referencePath,
                                            Tolerance tolerance, const std::string& name) {
  const Image expected = readPng(referencePath);
  if (expected.width == 0)
    return ::testing::AssertionFailure() << "cannot read the reference " << referencePath;
  const std::string base = testOutputDir() + "/" + name;
  std::ostringstream why;
  if (actual.width != expected.width || actual.height != expected.height) {
    why << "size " << actual.width << " x " << actual.height << ", the reference is " << expected.width
        << " x " << expected.height;
  } else {
    size_t differing = 0;
    for (size_t i = 0; i < expected.pixels.size(); ++i)
      differing += channelDistance(actual.pixels[i], expected.pixels[i]) > tolerance.channel ? 1 : 0;
    const double share = static_cast<double>(differing) / static_cast<double>(expected.pixels.size());
    if (share <= tolerance.differing) return ::testing::AssertionSuccess();
    why << differing << " pixels (" << share * 100 << " %) differ by more than " << tolerance.channel
        << " in a channel; " << tolerance.differing * 100 << " % may";
    writePng(differenceImage(actual, expected, tolerance), base + ".diff.png");
  }
  writePng(actual, base + ".actual.png");
  writePng(expected, base + ".expected.png");
  return ::testing::AssertionFailure() << why.str() << "; see " << base << ".actual.png, .expected.png"
                                       << " and .diff.png";
}

}  // namespace kx::test
