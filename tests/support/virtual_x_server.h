// Real windows under a virtual X server, for tests that open an SDL window in a helper program and
// drive it from outside with xdotool, as a user would.
//
//   kx::test::VirtualXServer server(640, 480);
//   if (!server.running()) GTEST_SKIP() << server.whyNotRunning();
//   kx::test::ChildProcess probe({path}, {"DISPLAY=" + server.display()});
//   server.run("xdotool key Escape");
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "support/child_process.h"

namespace kx::test {

// Xvfb on a display it picks itself, with its screen kept in a file so tests can read the pixels
// the X server shows.
class VirtualXServer {
 public:
  VirtualXServer(int width, int height);
  ~VirtualXServer();

  bool running() const { return !m_display.empty(); }
  // Why the server is not running, for GTEST_SKIP.
  const std::string& whyNotRunning() const { return m_whyNot; }
  // ":<number>", for DISPLAY.
  const std::string& display() const { return m_display; }

  // Ends the server, as when the session under the programs on it ends; the display is gone.
  void stop();

  // Runs a shell command against this display; its exit code. Output is discarded.
  int run(const std::string& command) const;
  // Runs a shell command against this display; its standard output.
  std::string outputOf(const std::string& command) const;
  // The top-left corner of the first top-level window with this name, in screen pixels; false
  // when there is none.
  bool windowOrigin(const std::string& name, POINT& origin) const;
  // A pixel of the screen as the X server holds it now; CLR_INVALID outside it or unreadable.
  COLORREF pixel(int x, int y) const;

 private:
  std::string m_directory;
  std::string m_display;
  std::string m_whyNot;
  std::unique_ptr<ChildProcess> m_server;
};

}  // namespace kx::test
