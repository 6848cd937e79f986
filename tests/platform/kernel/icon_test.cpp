#include "kernel/icon.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

namespace kx {
namespace {

void put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// An icon image as the resource holds it: header, palette, colour rows and AND rows, bottom-up.
std::string iconDib(int width, int height, int bits, const std::vector<uint32_t>& palette,
                    const std::vector<std::string>& colourRowsTopDown,
                    const std::vector<std::string>& maskRowsTopDown) {
  std::string out;
  put32(out, 40);
  put32(out, static_cast<uint32_t>(width));
  put32(out, static_cast<uint32_t>(2 * height));
  put16(out, 1);
  put16(out, static_cast<uint32_t>(bits));
  for (int i = 0; i < 6; ++i) put32(out, 0);
  for (uint32_t colour : palette) put32(out, colour);
  for (auto row = colourRowsTopDown.rbegin(); row != colourRowsTopDown.rend(); ++row) out += *row;
  for (auto row = maskRowsTopDown.rbegin(); row != maskRowsTopDown.rend(); ++row) out += *row;
  return out;
}

std::optional<IconImage> decode(const std::string& bytes) {
  return decodeIconImage(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

uint32_t at(const IconImage& image, int x, int y) {
  return image.argb[static_cast<size_t>(y * image.width + x)];
}

TEST(IconImage, FourBitColoursWithTheAndMaskAsTransparency) {
  // 8 x 2 at 4 bpp: row 0 indexes 0..7, row 1 index 1 everywhere; the mask clears x = 0 of row 0.
  const std::vector<uint32_t> palette = {0x000000, 0x800000, 0x008000, 0x000080,
                                         0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  std::string dib = iconDib(8, 2, 4, std::vector<uint32_t>(palette.begin(), palette.end()),
                            {std::string("\x01\x23\x45\x67"), std::string("\x11\x11\x11\x11")},
                            {std::string("\x80\0\0\0", 4), std::string(4, '\0')});
  dib.insert(40 + 4 * 8, std::string(4 * 8, '\0'));  // palette entries 8..15
  std::optional<IconImage> image = decode(dib);
  ASSERT_TRUE(image);
  ASSERT_EQ(image->width, 8);
  ASSERT_EQ(image->height, 2);
  struct Probe {
    int x, y;
    uint32_t argb;
  };
  const Probe probes[] = {{0, 0, 0x00000000}, {1, 0, 0xFF800000}, {4, 0, 0xFFFF0000},
                          {7, 0, 0xFFFFFFFF}, {0, 1, 0xFF800000}, {7, 1, 0xFF800000}};
  for (const Probe& p : probes) EXPECT_EQ(at(*image, p.x, p.y), p.argb) << p.x << "," << p.y;
}

TEST(IconImage, ThirtyTwoBitsUseTheirOwnAlphaWhenAnyIsSet) {
  std::string withAlpha =
      iconDib(1, 2, 32, {}, {std::string("\x10\x20\x30\x80"), std::string("\x01\x02\x03\x00", 4)},
              {std::string(4, '\0'), std::string(4, '\0')});
  std::optional<IconImage> image = decode(withAlpha);
  ASSERT_TRUE(image);
  EXPECT_EQ(at(*image, 0, 0), 0x80302010u);
  EXPECT_EQ(at(*image, 0, 1), 0x00030201u);
  std::string noAlpha =
      iconDib(1, 2, 32, {}, {std::string("\x10\x20\x30\x00", 4), std::string("\x01\x02\x03\x00", 4)},
              {std::string(4, '\0'), std::string("\x80\0\0\0", 4)});
  image = decode(noAlpha);
  ASSERT_TRUE(image);
  EXPECT_EQ(at(*image, 0, 0), 0xFF302010u);
  EXPECT_EQ(at(*image, 0, 1), 0x00000000u);
}

TEST(IconImage, MalformedImagesAreRefusedWithoutReadingPastTheEnd) {
  std::string good = iconDib(8, 1, 1, {0, 0xFFFFFF}, {std::string("\xF0\0\0\0", 4)}, {std::string(4, '\0')});
  ASSERT_TRUE(decode(good));
  std::string wide = good, deep = good, noColours = good.substr(0, good.size() - 8);
  wide[5] = 0x10;  // 4104 pixels wide
  deep[14] = 16;
  EXPECT_FALSE(decode(wide));
  EXPECT_FALSE(decode(deep));
  EXPECT_FALSE(decode(noColours));
  EXPECT_FALSE(decode(good.substr(0, 20)));
  // Colours without their mask still make an opaque picture.
  std::optional<IconImage> unmasked = decode(good.substr(0, good.size() - 4));
  ASSERT_TRUE(unmasked);
  EXPECT_EQ(at(*unmasked, 0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(at(*unmasked, 7, 0), 0xFF000000u);
}

std::string groupDirectory(const std::vector<std::array<int, 4>>& entries) {  // width, height, bits, id
  std::string out;
  put16(out, 0);
  put16(out, 1);
  put16(out, static_cast<uint32_t>(entries.size()));
  for (const auto& [width, height, bits, id] : entries) {
    out += static_cast<char>(width & 0xFF);
    out += static_cast<char>(height & 0xFF);
    out += '\0';
    out += '\0';
    put16(out, 1);
    put16(out, static_cast<uint32_t>(bits));
    put32(out, 0);
    put16(out, static_cast<uint32_t>(id));
  }
  return out;
}

TEST(IconGroup, PicksTheWantedSizeWithTheMostColoursElseTheNearest) {
  struct Case {
    std::vector<std::array<int, 4>> entries;
    std::optional<uint16_t> expected;
  };
  const Case cases[] = {
      {{{16, 16, 4, 1}, {32, 32, 4, 2}, {32, 32, 32, 3}, {48, 48, 32, 4}}, 3},
      {{{16, 16, 32, 1}, {40, 40, 4, 2}}, 2},
      {{{0, 0, 32, 7}}, 7},  // 0 means 256
      {{}, std::nullopt},
  };
  for (const Case& c : cases) {
    std::string group = groupDirectory(c.entries);
    EXPECT_EQ(bestIconInGroup(reinterpret_cast<const uint8_t*>(group.data()), group.size(), 32), c.expected);
  }
  std::string cut = groupDirectory({{32, 32, 4, 2}});
  EXPECT_EQ(bestIconInGroup(reinterpret_cast<const uint8_t*>(cut.data()), cut.size() - 1, 32), std::nullopt);
}

// A .res image holding the given (type, id, data) entries.
std::string resImage(const std::vector<std::tuple<int, int, std::string>>& entries) {
  std::string out;
  auto entry = [&](int type, int id, const std::string& data) {
    put32(out, static_cast<uint32_t>(data.size()));
    put32(out, 32);
    put16(out, 0xFFFF);
    put16(out, static_cast<uint32_t>(type));
    put16(out, 0xFFFF);
    put16(out, static_cast<uint32_t>(id));
    put32(out, 0);
    put16(out, 0x1030);
    put16(out, 0x0409);
    put32(out, 0);
    put32(out, 0);
    out += data;
    while (out.size() % 4) out += '\0';
  };
  entry(0, 0, "");
  for (const auto& [type, id, data] : entries) entry(type, id, data);
  return out;
}

TEST(IconGroup, ASmallerImageIsScaledToTheWantedSize) {
  // 16 x 16, 1 bpp: left half palette 1 (white), right half palette 0 (black).
  std::vector<std::string> rows(16, std::string("\xFF\x00\x00\x00", 4));
  std::string dib =
      iconDib(16, 16, 1, {0x000000, 0xFFFFFF}, rows, std::vector<std::string>(16, std::string(4, '\0')));
  std::string bytes = resImage({{3, 5, dib}, {14, 100, groupDirectory({{16, 16, 1, 5}})}});
  ResFile resources = ResFile::parse(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  std::optional<IconImage> icon = loadIconFromResources(resources, ResName{true, 100, {}}, 32);
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->width, 32);
  EXPECT_EQ(icon->height, 32);
  EXPECT_EQ(at(*icon, 15, 31), 0xFFFFFFFFu);
  EXPECT_EQ(at(*icon, 16, 0), 0xFF000000u);
  EXPECT_FALSE(loadIconFromResources(resources, ResName{true, 101, {}}, 32));
}

TEST(StockPictures, EveryStandardIconAndCursorIsAThirtyTwoSquare) {
  for (uint16_t id = 32512; id <= 32516; ++id) {
    std::optional<IconImage> icon = stockIconImage(id);
    ASSERT_TRUE(icon) << id;
    EXPECT_EQ(icon->width * icon->height, 32 * 32);
    EXPECT_EQ(at(*icon, 0, 0) >> 24, 0u) << id;       // a clear corner
    EXPECT_EQ(at(*icon, 16, 20) >> 24, 0xFFu) << id;  // an opaque middle
  }
  EXPECT_FALSE(stockIconImage(100));
  std::optional<StockCursor> arrow = stockCursor(32512);
  ASSERT_TRUE(arrow);
  EXPECT_EQ(arrow->hotX, 0);
  EXPECT_EQ(arrow->hotY, 0);
  EXPECT_EQ(at(arrow->image, 0, 0), 0xFF000000u);
  EXPECT_EQ(at(arrow->image, 2, 8), 0xFFFFFFFFu);
  EXPECT_EQ(at(arrow->image, 31, 0), 0u);
  EXPECT_FALSE(stockCursor(1));
}

}  // namespace
}  // namespace kx
