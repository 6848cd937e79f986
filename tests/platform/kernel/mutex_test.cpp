#include <windows.h>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "kernel/handle_table.h"
#include "support/temp_home.h"

extern char** environ;

namespace {

// A mutex_holder process: its first line tells whether it got the mutex.
class Holder {
 public:
  explicit Holder(const std::string& name) {
    int toChild[2], fromChild[2];
    if (::pipe2(toChild, O_CLOEXEC) != 0 || ::pipe2(fromChild, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
    std::string program = KALYX_BINARY_DIR "/test-programs/mutex_holder";
    char* argv[] = {program.data(), const_cast<char*>(name.c_str()), nullptr};
    if (posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv, environ) != 0) m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(toChild[0]);
    ::close(fromChild[1]);
    m_stdin = toChild[1];
    m_stdout = ::fdopen(fromChild[0], "r");
  }
  ~Holder() {
    kill(SIGKILL);
    if (m_stdout) std::fclose(m_stdout);
    if (m_stdin >= 0) ::close(m_stdin);
  }

  std::string firstLine() {
    char line[64] = {};
    if (!m_stdout || !std::fgets(line, sizeof line, m_stdout)) return "no answer";
    std::string text = line;
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
  }

  void kill(int signal) {
    if (m_pid <= 0) return;
    ::kill(m_pid, signal);
    int status = 0;
    ::waitpid(m_pid, &status, 0);
    m_pid = -1;
  }

 private:
  pid_t m_pid = -1;
  int m_stdin = -1;
  FILE* m_stdout = nullptr;
};

class NamedMutex : public ::testing::Test {
 protected:
  kx::test::TempHome home;
  void TearDown() override { EXPECT_EQ(kx::HandleTable::instance().liveCount(kx::HandleKind::Mutex), 0u); }
};

TEST_F(NamedMutex, ASecondCreateInTheSameProcessFindsIt) {
  HANDLE first = CreateMutexA(nullptr, TRUE, "KALYX32 Screen Saver");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  HANDLE second = CreateMutexA(nullptr, TRUE, "KALYX32 Screen Saver");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_NE(first, second);
  // Only the creator owned it, once.
  EXPECT_TRUE(ReleaseMutex(second));
  EXPECT_FALSE(ReleaseMutex(first));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_OWNER));
  EXPECT_TRUE(CloseHandle(first));
  HANDLE third = CreateMutexA(nullptr, TRUE, "KALYX32 Screen Saver");
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));  // "second" still holds it
  EXPECT_TRUE(CloseHandle(second));
  EXPECT_TRUE(CloseHandle(third));
  HANDLE fresh = CreateMutexA(nullptr, TRUE, "KALYX32 Screen Saver");
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_TRUE(CloseHandle(fresh));
}

TEST_F(NamedMutex, NamesAreCaseSensitiveAndAnyCharactersAreSafe) {
  const char* names[] = {
      "KALYX32 Screen Saver", "kalyx32 screen saver", "../../escape", "a/b\\c", ".", "%2E"};
  std::vector<HANDLE> handles;
  for (const char* name : names) {
    handles.push_back(CreateMutexA(nullptr, TRUE, name));
    EXPECT_NE(handles.back(), nullptr) << name;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS)) << name;
  }
  for (HANDLE handle : handles) CloseHandle(handle);
  EXPECT_FALSE(std::filesystem::exists(home.root() / "escape.lock"));
}

TEST_F(NamedMutex, UnnamedMutexesAreEachTheirOwn) {
  HANDLE a = CreateMutexA(nullptr, TRUE, nullptr);
  HANDLE b = CreateMutexA(nullptr, FALSE, nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_TRUE(ReleaseMutex(a));
  EXPECT_FALSE(ReleaseMutex(b));
  CloseHandle(a);
  CloseHandle(b);
  EXPECT_FALSE(ReleaseMutex(a));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(NamedMutex, AKilledHolderFreesTheNameForTheNextProcess) {
  const std::string name = "KALYX32 Screen Saver";
  Holder first(name);
  ASSERT_EQ(first.firstLine(), "owned");

  HANDLE seen = CreateMutexA(nullptr, TRUE, name.c_str());
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  CloseHandle(seen);
  Holder second(name);
  EXPECT_EQ(second.firstLine(), "exists");
  second.kill(SIGTERM);

  first.kill(SIGKILL);
  Holder third(name);
  EXPECT_EQ(third.firstLine(), "owned");
  third.kill(SIGKILL);
  HANDLE mine = CreateMutexA(nullptr, TRUE, name.c_str());
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  CloseHandle(mine);
}

}  // namespace

namespace {

namespace fs = std::filesystem;

void makeFolder(const fs::path& folder, mode_t mode) {
  fs::create_directory(folder);
  ::chmod(folder.c_str(), mode);
}

// The lock folder as CreateMutexA makes it in the test's home.
class LockFolder : public NamedMutex {
 protected:
  fs::path folder() const { return home.root() / "run" / "kalyx"; }
  void expectRefused(const char* what) {
    HANDLE mutex = CreateMutexA(nullptr, TRUE, "KALYX32 Screen Saver");
    EXPECT_EQ(mutex, nullptr) << what;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED)) << what;
    if (mutex != nullptr) CloseHandle(mutex);
  }
};

TEST_F(LockFolder, IsMadePrivateToTheUser) {
  HANDLE mutex = CreateMutexA(nullptr, TRUE, "KALYX32 Screen Saver");
  ASSERT_NE(mutex, nullptr);
  EXPECT_EQ(fs::status(folder()).permissions() & fs::perms::all, fs::perms::owner_all);
  CloseHandle(mutex);
}

TEST_F(LockFolder, OneOthersCouldEnterOrThatIsNoFolderIsRefused) {
  struct Case {
    const char* what;
    void (*plant)(const fs::path& folder, const fs::path& root);
  } cases[] = {
      {"group may write", [](const fs::path& f, const fs::path&) { makeFolder(f, 0770); }},
      {"others may read", [](const fs::path& f, const fs::path&) { makeFolder(f, 0704); }},
      {"a plain file", [](const fs::path& f, const fs::path&) { std::ofstream(f.string()) << "x"; }},
      {"a link to a private folder",
       [](const fs::path& f, const fs::path& root) {
         makeFolder(root / "elsewhere", 0700);
         fs::create_directory_symlink(root / "elsewhere", f);
       }},
  };
  for (const Case& c : cases) {
    fs::remove_all(folder());
    c.plant(folder(), home.root());
    expectRefused(c.what);
  }
}

TEST_F(LockFolder, OneOwnedBySomeoneElseIsRefused) {
  makeFolder(folder(), 0700);
  if (::chown(folder().c_str(), 65534, 65534) != 0) GTEST_SKIP() << "only root can give the folder away";
  expectRefused("owned by nobody");
}

TEST_F(LockFolder, APlantedLinkInPlaceOfTheLockIsNotFollowed) {
  makeFolder(folder(), 0700);
  const fs::path target = home.root() / "victim";
  fs::create_symlink(target, folder() / "KALYX32%20Screen%20Saver.lock");
  expectRefused("a planted link");
  EXPECT_FALSE(fs::exists(target));
}

}  // namespace
