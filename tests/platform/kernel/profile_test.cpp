#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_home.h"

namespace {

namespace fs = std::filesystem;

void writeBytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class Profile : public ::testing::Test {
 protected:
  kx::test::TempHome home;
  fs::path ini = home.windowsDirectory() / "Kalyx.ini";
};

TEST_F(Profile, StringsAreCutToTheBufferAndDefaultsLoseTrailingSpaces) {
  writeBytes(ini, "[Settings]\r\nCommText=INCOMING||Tarvell\r\nEmpty=\r\n");
  struct Case {
    const char* key;
    const char* fallback;
    DWORD size;
    const char* expected;
    DWORD result;
  };
  const Case cases[] = {
      {"CommText", "x", 64, "INCOMING||Tarvell", 17},
      {"CommText", "x", 9, "INCOMING", 8},  // cut: nSize - 1 characters
      {"CommText", "x", 1, "", 0},
      {"Empty", "x", 64, "", 0},  // a present but empty value is no default
      {"Missing", "def  ", 64, "def", 3},
      {"Missing", "  lead", 64, "  lead", 6},
      {"Missing", nullptr, 64, "", 0},
      {"Missing", "default", 4, "def", 3},
  };
  for (const Case& c : cases) {
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(GetPrivateProfileStringA("settings", c.key, c.fallback, buffer, c.size, "Kalyx.ini"), c.result)
        << c.key << " in " << c.size;
    EXPECT_STREQ(buffer, c.expected) << c.key << " in " << c.size;
  }
  char untouched[2] = "#";
  EXPECT_EQ(GetPrivateProfileStringA("Settings", "CommText", "", untouched, 0, "Kalyx.ini"), 0u);
  EXPECT_STREQ(untouched, "#");
}

TEST_F(Profile, IntegersParseASignAndDigitsModulo2To32) {
  writeBytes(ini,
             "[S]\r\nneg=-1\r\nwrap=4294967297\r\nsuffix=42A\r\nletters=B\r\nhex=0x10\r\nempty=\r\n"
             "plus=+7\r\nquoted=\"12\"\r\nspaced=  5 6\r\n");
  struct Case {
    const char* key;
    UINT expected;
  };
  const Case cases[] = {{"neg", static_cast<UINT>(-1)},
                        {"wrap", 1},
                        {"suffix", 42},
                        {"letters", 0},
                        {"hex", 0},
                        {"empty", 77},
                        {"missing", 77},
                        {"plus", 7},
                        {"quoted", 12},
                        {"spaced", 5}};
  for (const Case& c : cases) {
    EXPECT_EQ(GetPrivateProfileIntA("S", c.key, 77, "Kalyx.ini"), c.expected) << c.key;
  }
  EXPECT_EQ(GetPrivateProfileIntA("S", "neg", 77, "Missing.ini"), 77u);
}

TEST_F(Profile, ListsOfNamesEndInTwoNuls) {
  writeBytes(ini, "[One]\r\na=1\r\nbb=2\r\n[Two]\r\n");
  char buffer[16];
  EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, "x", buffer, sizeof buffer, "Kalyx.ini"), 8u);
  EXPECT_EQ(std::string(buffer, 9), std::string("One\0Two\0\0", 9));
  EXPECT_EQ(GetPrivateProfileStringA("one", nullptr, "x", buffer, sizeof buffer, "Kalyx.ini"), 5u);
  EXPECT_EQ(std::string(buffer, 6), std::string("a\0bb\0\0", 6));
  EXPECT_EQ(GetPrivateProfileStringA("one", nullptr, "x", buffer, 5, "Kalyx.ini"), 3u);
  EXPECT_EQ(std::string(buffer, 5), std::string("a\0b\0\0", 5));
}

TEST_F(Profile, WritingCreatesFolderFileSectionAndKey) {
  ASSERT_FALSE(fs::exists(home.windowsDirectory()));
  EXPECT_TRUE(WritePrivateProfileStringA("Settings", "ClrCd", "1", "Kalyx.ini"));
  EXPECT_TRUE(WritePrivateProfileStringA("Settings", "ScrnScnds", "30", "Kalyx.ini"));
  EXPECT_TRUE(WritePrivateProfileStringA("settings", "clrcd", "0", "Kalyx.ini"));
  EXPECT_EQ(readBytes(ini), "[Settings]\r\nClrCd=0\r\nScrnScnds=30\r\n");
  EXPECT_EQ(GetPrivateProfileIntA("Settings", "ClrCd", 5, "Kalyx.ini"), 0u);
  EXPECT_TRUE(WritePrivateProfileStringA("Settings", "ClrCd", nullptr, "Kalyx.ini"));
  EXPECT_EQ(readBytes(ini), "[Settings]\r\nScrnScnds=30\r\n");
  EXPECT_TRUE(WritePrivateProfileStringA("Settings", nullptr, nullptr, "Kalyx.ini"));
  EXPECT_EQ(readBytes(ini), "");
}

TEST_F(Profile, WritesIntoAMissingFolderOrOverAFolderOrFifoFailAndChangeNothing) {
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", (home.root() / "no" / "such.ini").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  fs::create_directories(ini);
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", "Kalyx.ini"));
  EXPECT_TRUE(fs::is_directory(ini));
  char buffer[8];
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "dflt", buffer, sizeof buffer, "Kalyx.ini"), 4u);
  EXPECT_STREQ(buffer, "dflt");
  std::string fifo = (home.root() / "fifo.ini").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(GetPrivateProfileIntA("S", "k", 3, fifo.c_str()), 3u);
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", fifo.c_str()));
}

TEST_F(Profile, AFailedReplaceLeavesTheOldFileWhole) {
  writeBytes(ini, "[S]\r\nk=old\r\n");
  // A file size limit below the new text makes writing the new file fail, for root as well.
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 16;
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  bool written = WritePrivateProfileStringA("S", "k", "a value too long for the limit", "Kalyx.ini");
  DWORD error = GetLastError();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_NE(error, static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(readBytes(ini), "[S]\r\nk=old\r\n");
  EXPECT_EQ(fs::directory_iterator(home.windowsDirectory())->path(), ini);  // no temporary left behind
}

TEST_F(Profile, ALinkedFileIsWrittenThroughAndStaysALink) {
  // Kalyx.ini -> relative link -> absolute link -> the real file, in a folder of its own.
  const fs::path real = home.root() / "dotfiles" / "kalyx.ini";
  writeBytes(real, "[Settings]\nClrCd=1\n");
  fs::create_directories(ini.parent_path());
  fs::create_symlink(real, home.root() / "dotfiles" / "absolute");
  fs::create_symlink("../../dotfiles/absolute", ini);
  ASSERT_TRUE(WritePrivateProfileStringA("Settings", "ClrCd", "2", "Kalyx.ini"));
  EXPECT_TRUE(fs::is_symlink(ini));
  EXPECT_TRUE(fs::is_symlink(home.root() / "dotfiles" / "absolute"));
  EXPECT_EQ(readBytes(real), "[Settings]\nClrCd=2\n");
  EXPECT_EQ(GetPrivateProfileIntA("Settings", "ClrCd", 0, "Kalyx.ini"), 2u);
}

TEST_F(Profile, ALinkToNothingGetsItsTargetAndALoopIsRefused) {
  fs::create_directories(ini.parent_path());
  fs::create_symlink(home.root() / "elsewhere.ini", ini);
  ASSERT_TRUE(WritePrivateProfileStringA("Settings", "ClrCd", "3", "Kalyx.ini"));
  EXPECT_EQ(readBytes(home.root() / "elsewhere.ini"), "[Settings]\r\nClrCd=3\r\n");

  const fs::path loop = home.windowsDirectory() / "Loop.ini";
  fs::create_symlink("Loop.ini", loop);
  EXPECT_FALSE(WritePrivateProfileStringA("Settings", "ClrCd", "3", "Loop.ini"));
  EXPECT_TRUE(fs::is_symlink(loop));
}

TEST_F(Profile, EachLineBreakStyleIsReadAndKept) {
  for (const char* lineBreak : {"\r\n", "\n", "\r"}) {
    const std::string br = lineBreak;
    writeBytes(ini, "[Settings]" + br + "ClrCd=1" + br + "ScrnScnds=30" + br);
    EXPECT_EQ(GetPrivateProfileIntA("Settings", "ScrnScnds", 0, "Kalyx.ini"), 30u);
    ASSERT_TRUE(WritePrivateProfileStringA("Settings", "ClrCd", "2", "Kalyx.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("Other", "Key", "v", "Kalyx.ini"));
    EXPECT_EQ(readBytes(ini),
              "[Settings]" + br + "ClrCd=2" + br + "ScrnScnds=30" + br + "[Other]" + br + "Key=v" + br);
  }
}

TEST_F(Profile, AnUnreadableFileGivesDefaultsAndIsNotOverwritten) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  writeBytes(ini, "[S]\r\nk=secret\r\n");
  fs::permissions(ini, fs::perms::none);
  char buffer[8];
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "d", buffer, sizeof buffer, "Kalyx.ini"), 1u);
  EXPECT_FALSE(WritePrivateProfileStringA("S", "other", "v", "Kalyx.ini"));
  fs::permissions(ini, fs::perms::owner_all);
  EXPECT_EQ(readBytes(ini), "[S]\r\nk=secret\r\n");
}

TEST_F(Profile, LineBreaksInNamesOrValuesAreRefused) {
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "a\r\n[Evil]\r\nx=1", "Kalyx.ini"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(WritePrivateProfileStringA("S\n", "k", "v", "Kalyx.ini"));
  EXPECT_FALSE(fs::exists(ini));
}

TEST_F(Profile, LongLinesAndGarbageGiveTheDocumentedAnswers) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
  std::string longValue(100 * 1024, 'v');
  writeBytes(
      ini, garbage + "\n[S]\n" + std::string(100 * 1024, 'x') + "\nlong=" + longValue + "\nk=5\n" + garbage);
  std::string buffer(200 * 1024, '#');
  EXPECT_EQ(GetPrivateProfileStringA("S", "long", "", buffer.data(), buffer.size(), "Kalyx.ini"),
            longValue.size());
  EXPECT_EQ(GetPrivateProfileIntA("S", "k", 0, "Kalyx.ini"), 5u);
  EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "6", "Kalyx.ini"));
  EXPECT_EQ(GetPrivateProfileIntA("S", "k", 0, "Kalyx.ini"), 6u);
}

TEST_F(Profile, AFiftyMegabyteFileIsReadToTheEnd) {
  std::string big;
  big.reserve(50u << 20);
  big += "[Pad]\n";
  std::string line = "key=" + std::string(60, 'p') + "\n";
  while (big.size() < (50u << 20)) big += line;
  big += "[S]\nlast=end\n";
  writeBytes(ini, big);
  char buffer[8];
  EXPECT_EQ(GetPrivateProfileStringA("S", "last", "", buffer, sizeof buffer, "Kalyx.ini"), 3u);
  EXPECT_STREQ(buffer, "end");
}

}  // namespace
