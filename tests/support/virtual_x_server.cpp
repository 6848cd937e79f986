#include "support/virtual_x_server.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kx::test {

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
  // Xvfb picks a free display itself and writes its number on stdout.
  std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  const std::vector<std::string> argv{"Xvfb", "-displayfd", "1",   "-screen", "0",
                                      screen, "-nolisten",  "tcp", "-fbdir",  m_directory};
  m_server = std::make_unique<ChildProcess>(argv);
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

void VirtualXServer::stop() {
  m_server.reset();
  m_display.clear();
  m_whyNot = "stopped";
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
