#include "support/virtual_x_server.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

extern char** environ;

namespace kx::test {

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv,
                           int passFd) {
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
  m_out = out[0];
}

ChildProcess::~ChildProcess() {
  if (m_pid > 0) {
    kill(m_pid, SIGTERM);
    waitpid(m_pid, nullptr, 0);
  }
  if (m_out >= 0) close(m_out);
}

std::string ChildProcess::readLine(int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (size_t end = m_pending.find('\n'); end != std::string::npos) {
      std::string line = m_pending.substr(0, end);
      m_pending.erase(0, end + 1);
      return line;
    }
    if (m_out < 0) return {};
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd ready{m_out, POLLIN, 0};
    if (left <= 0 || poll(&ready, 1, static_cast<int>(left)) <= 0) return {};
    char chunk[256];
    const ssize_t got = read(m_out, chunk, sizeof chunk);
    if (got <= 0) {
      // The end: a last line without its line break still counts.
      std::string rest = std::move(m_pending);
      m_pending.clear();
      close(m_out);
      m_out = -1;
      return rest;
    }
    m_pending.append(chunk, static_cast<size_t>(got));
  }
}

int ChildProcess::wait() {
  int status = 0;
  if (m_pid <= 0 || waitpid(m_pid, &status, 0) != m_pid) return -1;
  m_pid = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool onPath(const char* program) {
  std::string command = std::string("command -v ") + program + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

VirtualXServer::VirtualXServer(int width, int height) {
  if (!onPath("Xvfb")) {
    m_whyNot = "Xvfb is not installed (tools/setup.sh installs it)";
    return;
  }
  std::string pattern = (std::filesystem::temp_directory_path() / "kalyx-xvfb-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    m_whyNot = "no temporary folder for the X server's screen";
    return;
  }
  m_directory = pattern;
  // Xvfb picks a free display itself and writes its number on fd 3.
  std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  const std::vector<std::string> argv{"Xvfb", "-displayfd", "3",   "-screen", "0",
                                      screen, "-nolisten",  "tcp", "-fbdir",  m_directory};
  m_server = std::make_unique<ChildProcess>(argv, std::vector<std::string>{}, 3);
  std::string number = m_server->readLine();
  if (!m_server->started() || number.empty()) {
    m_whyNot = "the virtual X server could not start";
    return;
  }
  m_display = ":" + number;
}

VirtualXServer::~VirtualXServer() {
  m_server.reset();
  if (!m_directory.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(m_directory, ignored);
  }
}

int VirtualXServer::run(const std::string& command) const {
  return std::system(("export DISPLAY=" + m_display + "; " + command + " >/dev/null 2>&1").c_str());
}

std::string VirtualXServer::outputOf(const std::string& command) const {
  FILE* pipe = popen(("export DISPLAY=" + m_display + "; " + command + " 2>/dev/null").c_str(), "r");
  if (!pipe) return {};
  std::string output;
  std::array<char, 256> chunk;
  while (size_t got = fread(chunk.data(), 1, chunk.size(), pipe)) output.append(chunk.data(), got);
  pclose(pipe);
  return output;
}

bool VirtualXServer::windowOrigin(const std::string& name, POINT& origin) const {
  std::istringstream lines(outputOf("xwininfo -name '" + name + "'"));
  bool haveX = false, haveY = false;
  for (std::string line; std::getline(lines, line);) {
    if (auto at = line.find("Absolute upper-left X:"); at != std::string::npos) {
      origin.x = std::atoi(line.c_str() + at + 22);
      haveX = true;
    } else if (auto at = line.find("Absolute upper-left Y:"); at != std::string::npos) {
      origin.y = std::atoi(line.c_str() + at + 22);
      haveY = true;
    }
  }
  return haveX && haveY;
}

namespace {

uint32_t bigEndian32(const unsigned char* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

int lowestBit(uint32_t mask) {
  int shift = 0;
  while (mask && !(mask & 1)) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

}  // namespace

COLORREF VirtualXServer::pixel(int x, int y) const {
  // The screen file is an X window dump: a header of big-endian 32-bit fields, the colour map,
  // then rows of pixels.
  std::ifstream file(m_directory + "/Xvfb_screen0", std::ios::binary);
  unsigned char header[100];
  if (!file.read(reinterpret_cast<char*>(header), sizeof header)) return CLR_INVALID;
  auto field = [&header](int index) { return bigEndian32(header + 4 * index); };
  const uint32_t headerSize = field(0), width = field(4), height = field(5), lsbFirst = field(7) == 0;
  const uint32_t bitsPerPixel = field(11), bytesPerLine = field(12), colours = field(19);
  const uint32_t red = field(14), green = field(15), blue = field(16);
  if (bitsPerPixel != 32 || x < 0 || y < 0 || uint32_t(x) >= width || uint32_t(y) >= height)
    return CLR_INVALID;
  file.seekg(std::streamoff(headerSize) + std::streamoff(colours) * 12 + std::streamoff(y) * bytesPerLine +
             std::streamoff(x) * 4);
  unsigned char bytes[4];
  if (!file.read(reinterpret_cast<char*>(bytes), sizeof bytes)) return CLR_INVALID;
  uint32_t value = lsbFirst ? uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                                  uint32_t(bytes[3]) << 24
                            : bigEndian32(bytes);
  auto channel = [value](uint32_t mask) { return BYTE((value & mask) >> lowestBit(mask)); };
  return RGB(channel(red), channel(green), channel(blue));
}

}  // namespace kx::test
