// The one resource script serves both builds: windres (Windows) must produce what llvm-rc (Linux) does.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "kernel/res_file.h"
#include "res_test_util.h"

namespace kx {
namespace {

std::vector<uint8_t> compileWithWindres() {
  const std::string out = std::string(KALYX_BINARY_DIR) + "/resources/kalyx_windres.res";
  const std::string dir = std::string(KALYX_SOURCE_DIR) + "/resources";
  const std::string command =
      "i686-w64-mingw32-windres -O res -I '" + dir + "' -I '" KALYX_BINARY_DIR "/generated' '" + dir + "/kalyx.rc' '" + out + "'";
  if (std::system(command.c_str()) != 0) return {};
  std::ifstream file(out, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(WindresAgreement, EveryResourceMatchesTheLinkedOne) {
  if (std::system("command -v i686-w64-mingw32-windres >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "windres is not installed (bash tools/setup.sh installs it)";
  std::vector<uint8_t> image = compileWithWindres();
  ASSERT_FALSE(image.empty()) << "windres failed";
  ResFile windres = ResFile::parse(image.data(), image.size());
  const auto& linked = programResources().entries();
  ASSERT_EQ(windres.entries().size(), linked.size());
  for (const ResEntry& entry : linked) {
    std::string what = entry.name.isId ? std::to_string(entry.name.id) : entry.name.name;
    SCOPED_TRACE("type " + std::to_string(entry.type.id) + ", " + what);
    const ResEntry* twin = windres.find(entry.type, entry.name);
    ASSERT_NE(twin, nullptr);
    EXPECT_EQ(twin->language, entry.language);
    if (entry.type.isId && entry.type.id == 5) {
      // windres drops the size of an ICON control; an SS_ICON static sizes itself to its icon.
      test::Dialog ours = test::parseDialog(entry.data), theirs = test::parseDialog(twin->data);
      ASSERT_EQ(ours.items.size(), theirs.items.size());
      for (size_t i = 0; i < ours.items.size(); ++i) {
        const auto& a = ours.items[i];
        const auto& b = theirs.items[i];
        EXPECT_EQ(std::make_tuple(a.style, a.x, a.y, a.id, a.classAtom, a.text, a.textOrdinal),
                  std::make_tuple(b.style, b.x, b.y, b.id, b.classAtom, b.text, b.textOrdinal));
        if (a.textOrdinal == 0) {
          EXPECT_EQ(std::make_pair(a.cx, a.cy), std::make_pair(b.cx, b.cy));
        }
      }
      EXPECT_EQ(std::make_tuple(ours.style, ours.x, ours.y, ours.cx, ours.cy, ours.caption, ours.face),
                std::make_tuple(theirs.style, theirs.x, theirs.y, theirs.cx, theirs.cy, theirs.caption,
                                theirs.face));
    } else {
      EXPECT_EQ(std::vector<uint8_t>(entry.data, entry.data + entry.size),
                std::vector<uint8_t>(twin->data, twin->data + twin->size));
    }
  }
}

}  // namespace
}  // namespace kx
