#include "launcher/monitors_x_server.h"

// Before Xlib, whose macros must not reach <windows.h>.
#include "support/child_process.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace kx::test {
namespace {

constexpr const char* kDummyDriver = "/usr/lib/xorg/modules/drivers/dummy_drv.so";

// The dummy card: room for a frame of every monitor side by side.
std::string configText(int width, int height) {
  return "Section \"Device\"\n  Identifier \"card\"\n  Driver \"dummy\"\n  VideoRam 256000\nEndSection\n"
         "Section \"Screen\"\n  Identifier \"screen\"\n  Device \"card\"\n  DefaultDepth 24\n"
         "  SubSection \"Display\"\n    Depth 24\n    Virtual " +
         std::to_string(width) + " " + std::to_string(height) + "\n  EndSubSection\nEndSection\n";
}

int shift(unsigned long mask) {
  int bits = 0;
  while (mask && !(mask & 1)) {
    mask >>= 1;
    ++bits;
  }
  return bits;
}

}  // namespace

MonitorsXServer::MonitorsXServer(const std::vector<MonitorSize>& monitors) {
  if (geteuid() != 0) {
    m_whyNot = "Xorg with the dummy driver runs only as root";
    return;
  }
  if (!onPath("Xorg") || !onPath("xrandr") || !std::filesystem::exists(kDummyDriver)) {
    m_whyNot = "Xorg, its dummy driver or xrandr is not installed (tools/setup.sh installs them)";
    return;
  }
  std::string pattern = (std::filesystem::temp_directory_path() / "kalyx-xorg-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    m_whyNot = "no temporary folder for the X server";
    return;
  }
  m_directory = pattern;
  int width = 0, height = 0;
  for (const MonitorSize& m : monitors) {
    width += m.width;
    height = std::max(height, m.height);
  }
  std::ofstream(m_directory + "/xorg.conf") << configText(width, height);
  // Xorg picks a free display itself and writes its number on stdout once clients can connect.
  // Its banner goes to the log with the rest, not into the test's output.
  const std::vector<std::string> argv{
      "sh",  "-c",       "exec Xorg \"$@\" 2>/dev/null", "Xorg",     "-displayfd",
      "1",   "-config",  m_directory + "/xorg.conf",     "-noreset", "-nolisten",
      "tcp", "-logfile", m_directory + "/xorg.log"};
  m_server = std::make_unique<ChildProcess>(argv);
  const std::string number = m_server->readLine();
  if (m_server->started() && !number.empty()) m_display = ":" + number;
  if (m_display.empty()) {
    m_whyNot = "Xorg with the dummy driver did not start (log in " + m_directory + ")";
    return;
  }
  if (!addMonitors(monitors)) {
    m_display.clear();
    m_whyNot = "xrandr could not set up the monitors";
  }
}

MonitorsXServer::~MonitorsXServer() {
  // Ended, not killed, so the server removes its lock file and socket itself.
  if (m_server && m_server->started()) {
    ::kill(m_server->pid(), SIGTERM);
    m_server->wait(10000);
  }
  m_server.reset();
  if (!m_directory.empty() && m_whyNot.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(m_directory, ignored);
  }
}

bool MonitorsXServer::addMonitors(const std::vector<MonitorSize>& monitors) {
  // The dummy driver's outputs DUMMY0, DUMMY1 ... take any mode once it is added to them.
  std::string command = "export DISPLAY=" + m_display + ";";
  for (size_t i = 0; i < monitors.size(); ++i) {
    const std::string output = "DUMMY" + std::to_string(i);
    const std::string mode = "kx" + std::to_string(i);
    const int w = monitors[i].width, h = monitors[i].height;
    // A mode line of 60 frames a second with no blanking to speak of: the dummy card shows nothing.
    command += " xrandr --newmode " + mode + " " + std::to_string(w * h * 60 / 1000000 + 1) + " " +
               std::to_string(w) + " " + std::to_string(w + 8) + " " + std::to_string(w + 16) + " " +
               std::to_string(w + 24) + " " + std::to_string(h) + " " + std::to_string(h + 1) + " " +
               std::to_string(h + 2) + " " + std::to_string(h + 3) + " &&";
    command += " xrandr --addmode " + output + " " + mode + " &&";
    command += " xrandr --output " + output + " --mode " + mode;
    command += i == 0 ? " --primary --pos 0x0" : " --right-of DUMMY" + std::to_string(i - 1);
    command += " >/dev/null 2>&1 &&";
  }
  // SDL reads the outputs the server last probed, which the changes above leave stale: a full
  // query probes them again, as a desktop's own display settings do.
  command += " xrandr >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

std::vector<XColour> MonitorsXServer::pixels(int x, int y, int width, int height) const {
  std::vector<XColour> colours;
  Display* d = XOpenDisplay(m_display.c_str());
  if (!d) return colours;
  XImage* image = XGetImage(d, DefaultRootWindow(d), x, y, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (image) {
    colours.reserve(static_cast<size_t>(width) * height);
    for (int row = 0; row < height; ++row) {
      for (int col = 0; col < width; ++col) {
        const unsigned long value = XGetPixel(image, col, row);
        auto channel = [value](unsigned long mask) { return ((value & mask) >> shift(mask)) & 0xFF; };
        colours.push_back(channel(image->red_mask) << 16 | channel(image->green_mask) << 8 |
                          channel(image->blue_mask));
      }
    }
    XDestroyImage(image);
  }
  XCloseDisplay(d);
  return colours;
}

}  // namespace kx::test
