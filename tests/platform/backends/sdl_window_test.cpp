// A real window under a virtual X server: the probe program opens an SDL window, xdotool presses a
// key and moves the focus away, and the probe reports the messages its window received.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

// A child process with its stdout on a pipe; killed and reaped when it goes out of scope.
class Child {
 public:
  Child(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv, int passFd = -1) {
    int out[2];
    if (pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The read end goes first: it may hold the very number the write end is to take.
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_adddup2(&actions, out[1], passFd >= 0 ? passFd : STDOUT_FILENO);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<std::string> envStrings = extraEnv;
    for (char** e = environ; *e; ++e) envStrings.emplace_back(*e);
    std::vector<char*> env;
    for (std::string& e : envStrings) env.push_back(e.data());
    env.push_back(nullptr);
    if (posix_spawnp(&m_pid, argv[0].c_str(), &actions, nullptr, args.data(), env.data()) != 0) m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    m_out = fdopen(out[0], "r");
  }
  ~Child() {
    if (m_pid > 0) {
      kill(m_pid, SIGTERM);
      waitpid(m_pid, nullptr, 0);
    }
    if (m_out) fclose(m_out);
  }
  bool started() const { return m_pid > 0; }
  // The next line of output, or empty at the end.
  std::string readLine() {
    char line[256];
    if (!m_out || !fgets(line, sizeof line, m_out)) return {};
    std::string text(line);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
  }
  // Waits for the exit; the exit code, or -1.
  int wait() {
    int status = 0;
    if (m_pid <= 0 || waitpid(m_pid, &status, 0) != m_pid) return -1;
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t m_pid = -1;
  FILE* m_out = nullptr;
};

bool onPath(const char* program) {
  std::string command = std::string("command -v ") + program + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

int run(const std::string& display, const std::string& command) {
  return std::system(("export DISPLAY=" + display + "; " + command + " >/dev/null 2>&1").c_str());
}

TEST(SdlWindowTest, KeyPressAndFocusLossReachTheWindow) {
  if (!onPath("Xvfb") || !onPath("xdotool") || !onPath("xwininfo")) {
    GTEST_SKIP() << "Xvfb, xdotool or xwininfo is not installed (tools/setup.sh installs them)";
  }
  // Xvfb picks a free display itself and writes its number on fd 3.
  Child server({"Xvfb", "-displayfd", "3", "-screen", "0", "640x480x24", "-nolisten", "tcp"}, {}, 3);
  std::string number = server.readLine();
  if (!server.started() || number.empty()) GTEST_SKIP() << "the virtual X server could not start";
  std::string display = ":" + number;

  Child probe({std::string(KALYX_BINARY_DIR) + "/test-programs/sdl_window_probe"},
              {"DISPLAY=" + display, "SDL_VIDEODRIVER=x11", "ASAN_OPTIONS=detect_leaks=0"});
  ASSERT_TRUE(probe.started());
  std::vector<std::string> lines;
  for (std::string line = probe.readLine(); !line.empty() && line != "ready 0"; line = probe.readLine()) {
    lines.push_back(line);
  }
  ASSERT_EQ(run(display, "xdotool search --sync --name KALYX windowfocus --sync"), 0);
  ASSERT_EQ(run(display, "xdotool key a"), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  ASSERT_EQ(run(display, "xdotool windowfocus $(xwininfo -root | awk '/Window id/{print $4}')"), 0);
  for (std::string line = probe.readLine(); !line.empty(); line = probe.readLine()) lines.push_back(line);
  EXPECT_EQ(probe.wait(), 0);

  auto contains = [&lines](const std::string& wanted) {
    for (const std::string& l : lines) {
      if (l == wanted) return true;
    }
    return false;
  };
  std::string all;
  for (const std::string& l : lines) all += l + "; ";
  EXPECT_TRUE(contains("WM_KEYDOWN 65")) << all;
  EXPECT_TRUE(contains("WM_CHAR 97")) << all;
  EXPECT_TRUE(contains("WM_ACTIVATE 0")) << all;
}

}  // namespace
