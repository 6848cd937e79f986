#include "support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

#include "support/wait_until.h"

extern char** environ;

namespace kx::test {

namespace {

std::string tempFile(const char* stem) {
  std::string pattern = std::string("/tmp/kalyx-") + stem + "-XXXXXX";
  int fd = ::mkstemp(pattern.data());
  if (fd >= 0) ::close(fd);
  return pattern;
}

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool named(const char* entry, const std::string& name) {
  return std::strncmp(entry, name.c_str(), name.size()) == 0 && entry[name.size()] == '=';
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& setEnv,
                           const std::vector<std::string>& unsetEnv)
    : m_outPath(tempFile("out")), m_errPath(tempFile("err")) {
  std::vector<std::string> env = setEnv;
  // A program under the sanitizers reports what system libraries keep until exit as leaks; the
  // test preset names the suppressions, and a test run by hand gets the same.
  const bool lsanSet = std::any_of(setEnv.begin(), setEnv.end(),
                                   [](const std::string& e) { return named(e.c_str(), "LSAN_OPTIONS"); });
  if (!lsanSet && std::getenv("LSAN_OPTIONS") == nullptr)
    env.emplace_back("LSAN_OPTIONS=suppressions=" KALYX_SOURCE_DIR "/tools/lsan.supp:print_suppressions=0");
  for (char** e = environ; *e != nullptr; ++e) {
    bool drop = false;
    for (const std::string& name : unsetEnv) drop = drop || named(*e, name);
    for (const std::string& set : setEnv) drop = drop || named(*e, set.substr(0, set.find('=')));
    if (!drop) env.emplace_back(*e);
  }
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // stdin stays open until the process object goes: some helpers hold on until it closes.
  int in[2] = {-1, -1};
  if (::pipe(in) == 0) {
    posix_spawn_file_actions_addclose(&actions, in[1]);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
  }
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, m_outPath.c_str(), O_WRONLY | O_TRUNC, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, m_errPath.c_str(), O_WRONLY | O_TRUNC, 0);
  if (posix_spawnp(&m_pid, argv[0].c_str(), &actions, nullptr, args.data(), envp.data()) != 0) m_pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  if (in[0] >= 0) ::close(in[0]);
  m_stdin = in[1];
}

ChildProcess::~ChildProcess() {
  if (m_stdin >= 0) ::close(m_stdin);
  if (m_pid > 0) {
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
  }
  ::unlink(m_outPath.c_str());
  ::unlink(m_errPath.c_str());
}

bool ChildProcess::running() const {
  if (m_pid <= 0) return false;
  siginfo_t info{};
  // WNOWAIT leaves an ended child to wait().
  return ::waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
         info.si_pid == 0;
}

int ChildProcess::wait(int timeoutMs) {
  if (m_pid <= 0) return -1;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  int status = 0;
  while (::waitpid(m_pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(m_pid, SIGKILL);
      ::waitpid(m_pid, nullptr, 0);
      m_pid = -1;
      return -2;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  m_pid = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ChildProcess::output() const {
  return readAll(m_outPath);
}

std::string ChildProcess::errors() const {
  return readAll(m_errPath);
}

std::string ChildProcess::readLine(int timeoutMs) {
  std::string line;
  waitUntil(
      [&] {
        // Whether it has ended is asked before the output is read, so nothing written last is missed.
        const bool ended = !running();
        const std::string out = output();
        if (size_t end = out.find('\n', m_read); end != std::string::npos) {
          line = out.substr(m_read, end - m_read);
          m_read = end + 1;
          return true;
        }
        if (!ended) return false;
        // The end: a last line without its line break still counts.
        line = out.substr(std::min(m_read, out.size()));
        m_read = out.size();
        return true;
      },
      timeoutMs);
  return line;
}

bool onPath(const char* program) {
  std::string command = std::string("command -v ") + program + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

std::string kalyxPath() {
  return std::string(KALYX_BINARY_DIR) + "/src/kalyx";
}

}  // namespace kx::test
