// The one child-process helper of the tests: a program run with its output captured in files,
// read whole or line by line, and killed and reaped when the object goes.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace kx::test {

class ChildProcess {
 public:
  // Starts argv with the current environment, changed by `setEnv` ("NAME=value") and `unsetEnv`.
  ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& setEnv = {},
               const std::vector<std::string>& unsetEnv = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return m_pid > 0; }
  pid_t pid() const { return m_pid; }
  // Still running (not yet waited for).
  bool running() const;
  // The exit code, -1 for a signal, -2 when it did not end within timeoutMs (it is then killed).
  int wait(int timeoutMs);
  std::string output() const;  // stdout
  std::string errors() const;  // stderr
  // The next line of stdout without its line break; empty at the end, or when no line comes
  // within `timeoutMs` (a stuck child then fails its test instead of hanging the suite).
  std::string readLine(int timeoutMs = 30000);

 private:
  pid_t m_pid = -1;
  int m_stdin = -1;
  std::string m_outPath;
  std::string m_errPath;
  size_t m_read = 0;  // how much of stdout readLine has returned
};

bool onPath(const char* program);

// The Linux program under test.
std::string kalyxPath();

}  // namespace kx::test
