#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "kernel/handle_table.h"
#include "support/temp_home.h"

namespace {

namespace fs = std::filesystem;

class Files : public ::testing::Test {
 protected:
  kx::test::TempHome home;
  size_t openFiles() const { return kx::HandleTable::instance().liveCount(kx::HandleKind::File); }
};

HANDLE openFile(const char* name, DWORD access, DWORD disposition) {
  return CreateFileA(name, access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST_F(Files, WriteThenReadBackOnDriveC) {
  size_t before = openFiles();
  HANDLE out = openFile("c:\\Kalyx.trc", GENERIC_WRITE, CREATE_ALWAYS);
  ASSERT_NE(out, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(out, "\r\nError setting up", 18, &written, nullptr));
  EXPECT_EQ(written, 18u);
  EXPECT_TRUE(CloseHandle(out));
  EXPECT_EQ(openFiles(), before);
  EXPECT_TRUE(fs::exists(home.driveC() / "Kalyx.trc"));

  HANDLE in = openFile("c:\\Kalyx.trc", GENERIC_READ, OPEN_EXISTING);
  ASSERT_NE(in, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetFileSize(in, nullptr), 18u);
  char buffer[32] = {};
  DWORD read = 0;
  EXPECT_TRUE(ReadFile(in, buffer, 7, &read, nullptr));
  EXPECT_EQ(std::string(buffer, read), "\r\nError");
  EXPECT_TRUE(ReadFile(in, buffer, sizeof buffer, &read, nullptr));
  EXPECT_EQ(read, 11u);
  EXPECT_TRUE(ReadFile(in, buffer, sizeof buffer, &read, nullptr));  // at the end: success, no bytes
  EXPECT_EQ(read, 0u);
  EXPECT_FALSE(WriteFile(in, "x", 1, &written, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_TRUE(CloseHandle(in));
}

TEST_F(Files, DispositionsReportWhatWasThere) {
  std::string name = (home.root() / "f.bin").string();
  struct Step {
    DWORD disposition;
    bool opens;
    DWORD error;
  };
  const Step steps[] = {
      {OPEN_EXISTING, false, ERROR_FILE_NOT_FOUND}, {TRUNCATE_EXISTING, false, ERROR_FILE_NOT_FOUND},
      {OPEN_ALWAYS, true, ERROR_SUCCESS},           {OPEN_ALWAYS, true, ERROR_ALREADY_EXISTS},
      {CREATE_ALWAYS, true, ERROR_ALREADY_EXISTS},  {CREATE_NEW, false, ERROR_FILE_EXISTS},
      {OPEN_EXISTING, true, ERROR_SUCCESS},         {0, false, ERROR_INVALID_PARAMETER},
  };
  for (const Step& step : steps) {
    HANDLE file = openFile(name.c_str(), GENERIC_READ | GENERIC_WRITE, step.disposition);
    EXPECT_EQ(file != INVALID_HANDLE_VALUE, step.opens) << "disposition " << step.disposition;
    EXPECT_EQ(GetLastError(), step.error) << "disposition " << step.disposition;
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
}

TEST_F(Files, CreateAlwaysTruncatesAndOpenAlwaysKeeps) {
  std::string name = (home.root() / "f.txt").string();
  std::ofstream(name) << "0123456789";
  HANDLE kept = openFile(name.c_str(), GENERIC_WRITE, OPEN_ALWAYS);
  EXPECT_EQ(GetFileSize(kept, nullptr), 10u);
  CloseHandle(kept);
  HANDLE truncated = openFile(name.c_str(), GENERIC_WRITE, CREATE_ALWAYS);
  EXPECT_EQ(GetFileSize(truncated, nullptr), 0u);
  CloseHandle(truncated);
}

TEST_F(Files, FilePointerMovesFromEachOrigin) {
  std::string name = (home.root() / "f.txt").string();
  std::ofstream(name) << "0123456789";
  HANDLE file = openFile(name.c_str(), GENERIC_READ, OPEN_EXISTING);
  struct Move {
    LONG distance;
    DWORD method;
    DWORD expected;
  };
  const Move moves[] = {{4, FILE_BEGIN, 4},
                        {2, FILE_CURRENT, 6},
                        {-3, FILE_END, 7},
                        {-8, FILE_CURRENT, INVALID_SET_FILE_POINTER},
                        {20, FILE_BEGIN, 20}};
  for (const Move& move : moves) {
    EXPECT_EQ(SetFilePointer(file, move.distance, nullptr, move.method), move.expected) << move.distance;
  }
  EXPECT_EQ(SetFilePointer(file, 3, nullptr, FILE_BEGIN), 3u);
  EXPECT_EQ(SetFilePointer(file, -4, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NEGATIVE_SEEK));
  char c = 0;
  DWORD read = 0;
  EXPECT_TRUE(ReadFile(file, &c, 1, &read, nullptr));  // a refused move leaves the pointer alone
  EXPECT_EQ(c, '3');
  LONG high = 0;
  EXPECT_EQ(SetFilePointer(file, 0, &high, FILE_END), 10u);
  EXPECT_EQ(high, 0);
  CloseHandle(file);
}

TEST_F(Files, BadHandlesAndNamesFailWithTheirErrors) {
  char buffer[4];
  DWORD count = 99;
  EXPECT_FALSE(ReadFile(INVALID_HANDLE_VALUE, buffer, 4, &count, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(count, 0u);
  EXPECT_FALSE(CloseHandle(nullptr));
  EXPECT_EQ(GetFileSize(reinterpret_cast<HANDLE>(0x12345), nullptr), INVALID_FILE_SIZE);
  struct Case {
    std::string name;
    DWORD error;
  };
  const Case cases[] = {{(home.root() / "missing").string(), ERROR_FILE_NOT_FOUND},
                        {(home.root() / "no" / "such").string(), ERROR_PATH_NOT_FOUND},
                        {home.root().string(), ERROR_ACCESS_DENIED},
                        {"d:\\x.txt", ERROR_PATH_NOT_FOUND}};
  for (const Case& c : cases) {
    EXPECT_EQ(openFile(c.name.c_str(), GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE) << c.name;
    EXPECT_EQ(GetLastError(), c.error) << c.name;
  }
}

TEST_F(Files, DeleteFileRemovesFilesOnly) {
  std::string name = (home.root() / "f.txt").string();
  std::ofstream(name) << "x";
  EXPECT_TRUE(DeleteFileA(name.c_str()));
  EXPECT_FALSE(fs::exists(name));
  EXPECT_FALSE(DeleteFileA(name.c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(DeleteFileA(home.root().c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_FALSE(DeleteFileA("c:\\Kalyx.trc"));  // the root of C: counts as there before its folder is made
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
