// The X window backend: the desktop drawn into an X window someone else made (the screen-saver
// daemon's window, or the root window), at that window's size. Only the changed rectangles are
// sent to the server. The window's input belongs to its owner, so none is read; SIGTERM or SIGINT,
// the window's destruction and a change of its size end the run through a Quit.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>

#include "backends/backend.h"
#include "backends/damage_list.h"
#include "backends/xwindow/x_surface.h"

namespace kx {

namespace {

// The handler writes a byte here, so a wait on the X connection wakes at once.
int g_signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t g_stopSignalled = 0;

void onStopSignal(int) {
  g_stopSignalled = 1;
  const char byte = 1;
  [[maybe_unused]] ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

class XWindowBackend : public Backend {
 public:
  std::string open(const PlatformOptions& options) override {
    if (std::string reason = m_surface.open(options.xWindow); !reason.empty()) return reason;
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return "cannot make the signal pipe";
    struct sigaction action {};
    action.sa_handler = onStopSignal;  // no SA_RESTART: the wait wakes at once
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, &m_oldTerm);
    sigaction(SIGINT, &action, &m_oldInt);
    m_signalsSet = true;
    m_damage.add(RECT{0, 0, m_surface.width(), m_surface.height()});
    return {};
  }

  PixelSurface surface() override {
    return {m_surface.pixels(), m_surface.width(), m_surface.height(), m_surface.width()};
  }

  void pixelsChanged(const RECT& rect) override {
    m_damage.add(RECT{std::max<LONG>(rect.left, 0), std::max<LONG>(rect.top, 0),
                      std::min<LONG>(rect.right, m_surface.width()),
                      std::min<LONG>(rect.bottom, m_surface.height())});
  }

  void flush() override {
    if (m_damage.rects().empty()) return;
    for (const RECT& r : m_damage.rects()) m_surface.put(r.left, r.top, r.right, r.bottom);
    m_surface.flush();
    m_damage.clear();
  }

  void poll(std::vector<InputEvent>& events) override {
    XSurface::Events happened = m_surface.readEvents();
    if (happened.exposed) pixelsChanged(RECT{happened.left, happened.top, happened.right, happened.bottom});
    // A window that is gone is not drawn in again, whatever its last size was.
    m_resized = (m_resized || happened.resized) && !happened.gone && !g_stopSignalled;
    if ((happened.gone || happened.resized || g_stopSignalled) && !m_quitSent) {
      m_quitSent = true;
      InputEvent quit;
      quit.kind = InputEvent::Kind::Quit;
      events.push_back(quit);
    }
  }

  void wait(DWORD timeoutMs) override {
    if (m_surface.eventsWaiting() || (g_stopSignalled && !m_quitSent)) return;
    pollfd fds[2] = {{m_surface.connection(), POLLIN, 0}, {g_signalPipe[0], POLLIN, 0}};
    const int timeout = timeoutMs == kForever ? -1 : static_cast<int>(std::min<DWORD>(timeoutMs, 0x7FFFFFFF));
    ::poll(fds, 2, timeout);
    char drain[16];
    while (::read(g_signalPipe[0], drain, sizeof drain) > 0) {
    }
  }

  bool virtualTime() const override { return false; }
  void showCursor(bool) override {}
  void moveCursor(POINT) override {}
  bool resized() const override { return m_resized; }

 private:
  XSurface m_surface;
  DamageList m_damage;
  struct sigaction m_oldTerm {};
  struct sigaction m_oldInt {};
  bool m_signalsSet = false;
  bool m_resized = false;
  bool m_quitSent = false;
};

}  // namespace

std::unique_ptr<Backend> makeXWindowBackend() {
  return std::make_unique<XWindowBackend>();
}

}  // namespace kx
