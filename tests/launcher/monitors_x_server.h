// A real X server with several monitors side by side: Xorg with its dummy video driver, one
// RandR output a monitor, as a desktop with two screens shows them to SDL. Xvfb cannot be given a
// second output, so this is the only way a test can show the saver two monitors.
//
// Xorg runs only as root here; without root, Xorg or the dummy driver the server does not start
// and whyNotRunning() says why, for GTEST_SKIP.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace kx::test {

class ChildProcess;

struct MonitorSize {
  int width, height;
};

// A colour as the X server holds it, 0xRRGGBB.
using XColour = unsigned long;

class MonitorsXServer {
 public:
  // Monitors left to right, all with their top edge at 0; the first is the primary.
  explicit MonitorsXServer(const std::vector<MonitorSize>& monitors);
  ~MonitorsXServer();
  MonitorsXServer(const MonitorsXServer&) = delete;
  MonitorsXServer& operator=(const MonitorsXServer&) = delete;

  bool running() const { return !m_display.empty(); }
  const std::string& whyNotRunning() const { return m_whyNot; }
  const std::string& display() const { return m_display; }

  // The screen's pixels in this rectangle as the server holds them now, row by row; empty when
  // they cannot be read.
  std::vector<XColour> pixels(int x, int y, int width, int height) const;

 private:
  bool addMonitors(const std::vector<MonitorSize>& monitors);

  std::string m_directory;
  std::string m_display;
  std::string m_whyNot;
  std::unique_ptr<ChildProcess> m_server;
};

}  // namespace kx::test
