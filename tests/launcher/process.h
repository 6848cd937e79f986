// Runs a program as a child process with its output captured, for tests of the command line.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace kx::test {

class Process {
 public:
  // Starts argv with the current environment, changed by `setEnv` ("NAME=value") and `unsetEnv`.
  Process(const std::vector<std::string>& argv, const std::vector<std::string>& setEnv = {},
          const std::vector<std::string>& unsetEnv = {});
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool started() const { return m_pid > 0; }
  pid_t pid() const { return m_pid; }
  // Still running (not yet waited for).
  bool running() const;
  // The exit code, -1 for a signal, -2 when it did not end within timeoutMs (it is then killed).
  int wait(int timeoutMs);
  std::string output() const;  // stdout
  std::string errors() const;  // stderr

 private:
  pid_t m_pid = -1;
  int m_stdin = -1;
  std::string m_outPath;
  std::string m_errPath;
};

// The Linux program under test.
std::string kalyxPath();

}  // namespace kx::test
