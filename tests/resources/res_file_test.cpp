#include "kernel/res_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "res_test_util.h"

extern "C" const uint8_t kalyx_res_begin[];
extern "C" const uint8_t kalyx_res_end[];

namespace kx {
namespace {

using test::resId;
using test::resName;

// The program's .res copied into a heap block of exactly its size, so a read past the end trips ASan.
std::vector<uint8_t> programImage() {
  return {kalyx_res_begin, kalyx_res_end};
}

const ResName kDialog = resId(5);
const ResName kString = resId(6);

// Offsets of every entry's header in a well-formed image, walked independently of the reader.
std::vector<size_t> headerOffsets(const std::vector<uint8_t>& image) {
  std::vector<size_t> offsets;
  for (size_t at = 0; at + 8 <= image.size();) {
    offsets.push_back(at);
    uint32_t dataSize = test::le32(&image[at]);
    uint32_t headerSize = test::le32(&image[at + 4]);
    at += ((headerSize + 3) & ~3u) + ((dataSize + 3) & ~3u);
  }
  return offsets;
}

TEST(ResFile, FindsByIdAndByNameInAnyCase) {
  const ResFile& res = programResources();
  const ResEntry* upper = res.find(kDialog, resName("DLG_CONFIG"));
  ASSERT_NE(upper, nullptr);
  EXPECT_EQ(res.find(kDialog, resName("dlg_Config")), upper);
  EXPECT_EQ(res.find(kDialog, resName("DLG_CONFIGX")), nullptr);
  EXPECT_EQ(res.find(kString, resName("DLG_CONFIG")), nullptr);
  EXPECT_NE(res.find(kString, resId(1)), nullptr);
  EXPECT_EQ(res.find(kString, resId(2)), nullptr);
}

TEST(ResFile, SkipsTheEmptyMarkerEntry) {
  for (const ResEntry& entry : programResources().entries()) {
    EXPECT_FALSE(entry.type.isId && entry.type.id == 0);
  }
}

TEST(ResFile, ResNameFromWin32) {
  struct Case {
    const char* input;
    bool isId;
    uint16_t id;
    const char* name;
  };
  const Case cases[] = {
      {reinterpret_cast<const char*>(uintptr_t{52}), true, 52, ""},
      {reinterpret_cast<const char*>(uintptr_t{0xFFFF}), true, 0xFFFF, ""},
      {"#100", true, 100, ""},
      {"#65535", true, 65535, ""},
      {"#65536", false, 0, "#65536"},
      {"#12a", false, 0, "#12a"},
      {"#", false, 0, "#"},
      {"DLG_ABOUT", false, 0, "DLG_ABOUT"},
  };
  for (const Case& c : cases) {
    ResName name = resNameFromWin32(c.input);
    EXPECT_EQ(name.isId, c.isId) << c.name;
    EXPECT_EQ(name.id, c.id) << c.name;
    EXPECT_EQ(name.name, c.name);
  }
}

// Cuts of the image keep exactly the entries that end inside them. Every offset near a header or a
// data end is tried, and a sample of the rest.
TEST(ResFile, CutImagesKeepOnlyWholeEntries) {
  std::vector<uint8_t> image = programImage();
  std::vector<size_t> offsets = headerOffsets(image);
  ASSERT_GT(offsets.size(), 2u);
  std::vector<size_t> ends;  // where each entry after the marker ends, data padding excluded
  for (size_t i = 1; i < offsets.size(); ++i) {
    const uint8_t* header = &image[offsets[i]];
    ends.push_back(offsets[i] + ((test::le32(header + 4) + 3) & ~3u) + test::le32(header));
  }
  std::vector<size_t> cuts;
  for (size_t cut = 0; cut <= image.size(); cut += 61) cuts.push_back(cut);
  for (size_t mark : offsets)
    for (size_t cut = mark > 48 ? mark - 48 : 0; cut <= std::min(image.size(), mark + 48); ++cut)
      cuts.push_back(cut);
  for (size_t mark : ends)
    for (size_t cut = mark - 4; cut <= std::min(image.size(), mark + 4); ++cut) cuts.push_back(cut);
  for (size_t cut : cuts) {
    std::vector<uint8_t> piece(image.begin(), image.begin() + static_cast<ptrdiff_t>(cut));
    ResFile res = ResFile::parse(piece.data(), piece.size());
    for (const ResEntry& entry : res.entries()) {
      ASSERT_LE(entry.data + entry.size, piece.data() + piece.size()) << "cut at " << cut;
    }
    size_t whole = 0;
    for (size_t end : ends) whole += end <= cut ? 1 : 0;
    ASSERT_EQ(res.entries().size(), whole) << "cut at " << cut;
  }
}

// A corrupted header stops the reader at that entry: it and all after it are not found.
TEST(ResFile, CorruptedHeadersEndTheList) {
  struct Corruption {
    const char* what;
    void (*apply)(uint8_t* header, size_t left);
  };
  const Corruption corruptions[] = {
      {"data size past the end", [](uint8_t* h, size_t) { h[3] = 0x7F; }},
      {"data size 0xFFFFFFFF", [](uint8_t* h, size_t) { std::memset(h, 0xFF, 4); }},
      {"header size past the end", [](uint8_t* h, size_t) { h[7] = 0x7F; }},
      {"header size too small", [](uint8_t* h, size_t) { h[4] = 8, h[5] = h[6] = h[7] = 0; }},
      {"unterminated type and name", [](uint8_t* h, size_t left) { std::memset(h + 8, 'A', left - 8); }},
  };
  std::vector<uint8_t> image = programImage();
  std::vector<size_t> offsets = headerOffsets(image);
  for (const Corruption& corruption : corruptions) {
    for (size_t i = 1; i < offsets.size(); ++i) {
      std::vector<uint8_t> copy = image;
      corruption.apply(&copy[offsets[i]], copy.size() - offsets[i]);
      ResFile res = ResFile::parse(copy.data(), copy.size());
      EXPECT_EQ(res.entries().size(), i - 1) << corruption.what << ", entry " << i;
    }
  }
}

TEST(ResFile, EmptyAndNullImagesHaveNoEntries) {
  uint8_t zero[32] = {};
  EXPECT_TRUE(ResFile::parse(nullptr, 100).entries().empty());
  EXPECT_TRUE(ResFile::parse(zero, 0).entries().empty());
  EXPECT_EQ(ResFile::parse(zero, sizeof zero).find(kDialog, resName("DLG_CONFIG")), nullptr);
}

}  // namespace
}  // namespace kx
