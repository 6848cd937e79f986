#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/kalyx.h"
#include "app/file_bytes.h"
#include "support/temp_home.h"

namespace {

// Each test starts as a fresh process would.
class TraceLog : public ::testing::Test {
 protected:
  TraceLog() {
    CKalyx::bTraceFresh = true;
    CKalyx::nTraceCount = 0;
  }
  std::string File() const { return ReadBytes(home.driveC() / "Kalyx.trc"); }
  kx::test::TempHome home;
};

TEST_F(TraceLog, FirstEntryRestartsTheFileAndLineEndsBecomeCrLf) {
  WriteBytes(home.driveC() / "Kalyx.trc", "left by an earlier run");
  CKalyx::WriteTrace("\nError setting up %s sub display", "upper");
  CKalyx::WriteTrace("\nsecond");
  EXPECT_EQ(File(), "\r\nError setting up upper sub display\r\nsecond");
}

TEST_F(TraceLog, FirstFileHolds256Entries) {
  for (int i = 1; i <= 256; ++i) CKalyx::WriteTrace("%d;", i);
  std::string file = File();
  EXPECT_EQ(file.rfind("1;2;3;", 0), 0u);
  EXPECT_EQ(file.substr(file.size() - 8), "255;256;");
}

TEST_F(TraceLog, Entry257LeavesTheMarkerAndThatEntry) {
  for (int i = 1; i <= 257; ++i) CKalyx::WriteTrace("%d;", i);
  EXPECT_EQ(File(), "--- (truncated log) ---\r\n257;");
  // The restarted file holds the marker, its first entry and 254 more before the next restart.
  for (int i = 258; i <= 511; ++i) CKalyx::WriteTrace("%d;", i);
  EXPECT_EQ(File().substr(File().size() - 4), "511;");
  CKalyx::WriteTrace("%d;", 512);
  EXPECT_EQ(File(), "--- (truncated log) ---\r\n512;");
}

TEST_F(TraceLog, FormattedTextIsWrittenAsItIs) {
  CKalyx::WriteTrace("%s", "load 100% %d %s");
  EXPECT_EQ(File(), "load 100% %d %s");
}

TEST_F(TraceLog, LongEntriesAreCutTo1024Characters) {
  std::string longText(3000, 'a');
  CKalyx::WriteTrace("%s", longText.c_str());
  EXPECT_EQ(File(), std::string(1024, 'a'));
}

// Entries that cannot reach the disk are lost without a trace anywhere; once the folder can be
// written again the next entry arrives, the count carried on as if the lost ones had been written.
TEST_F(TraceLog, UnwritableFolderLosesEntriesQuietly) {
  // The state folder sits below a plain file, so it can never be created.
  WriteBytes(home.root() / "blocker", "x");
  setenv("XDG_STATE_HOME", (home.root() / "blocker").c_str(), 1);
  for (int i = 0; i < 300; ++i) CKalyx::WriteTrace("\nentry %d", i);
  EXPECT_EQ(ReadBytes(home.root() / "blocker"), "x");
  int traceFiles = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(home.root()))
    traceFiles += entry.path().filename() == "Kalyx.trc";
  EXPECT_EQ(traceFiles, 0);

  setenv("XDG_STATE_HOME", (home.root() / "state").c_str(), 1);
  CKalyx::WriteTrace("\nafter");
  EXPECT_EQ(File(), "\r\nafter");
  // That was entry 301: the file restarts with entry 512, as after 511 written entries.
  for (int i = 302; i <= 511; ++i) CKalyx::WriteTrace(";");
  EXPECT_EQ(File(), "\r\nafter" + std::string(210, ';'));
  CKalyx::WriteTrace("512");
  EXPECT_EQ(File(), "--- (truncated log) ---\r\n512");
}

TEST_F(TraceLog, ClearTraceDeletesTheFile) {
  CKalyx::WriteTrace("x");
  EXPECT_TRUE(CKalyx::ClearTrace());
  EXPECT_FALSE(std::filesystem::exists(home.driveC() / "Kalyx.trc"));
}

}  // namespace

namespace {

TEST_F(TraceLog, EachProcessRestartsTheFileWithItsFirstEntry) {
  const std::string program = std::string(KALYX_BINARY_DIR) + "/test-programs/trace_entry";
  ASSERT_TRUE(std::filesystem::exists(program)) << "build the trace_entry helper program";
  // The helper inherits this test's XDG_STATE_HOME.
  ASSERT_EQ(std::system((program + " first-run").c_str()), 0);
  ASSERT_EQ(File(), "first-run");
  ASSERT_EQ(std::system((program + " second-run").c_str()), 0);
  EXPECT_EQ(File(), "second-run");
}

}  // namespace
