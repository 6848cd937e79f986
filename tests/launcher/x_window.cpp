#include "launcher/x_window.h"

#include <X11/Xlib.h>

namespace kx::test {

struct XTestWindow::Impl {
  Display* display = nullptr;
  ::Window window = 0;
};

XTestWindow::XTestWindow(const std::string& display, int x, int y, int width, int height)
    : m_impl(std::make_unique<Impl>()) {
  m_impl->display = XOpenDisplay(display.c_str());
  if (!m_impl->display) return;
  Display* d = m_impl->display;
  const int screen = DefaultScreen(d);
  m_impl->window = XCreateSimpleWindow(d, RootWindow(d, screen), x, y, static_cast<unsigned>(width),
                                       static_cast<unsigned>(height), 0, BlackPixel(d, screen), 0xFF00FF);
  // No window manager runs, so the window lands where it is asked to.
  XMapWindow(d, m_impl->window);
  XSync(d, False);
}

XTestWindow::~XTestWindow() {
  destroy();
  if (m_impl->display) XCloseDisplay(m_impl->display);
}

unsigned long XTestWindow::id() const {
  return m_impl->window;
}

void XTestWindow::resize(int width, int height) {
  if (!m_impl->window) return;
  XResizeWindow(m_impl->display, m_impl->window, static_cast<unsigned>(width), static_cast<unsigned>(height));
  XSync(m_impl->display, False);
}

void XTestWindow::destroy() {
  if (!m_impl->window) return;
  XDestroyWindow(m_impl->display, m_impl->window);
  XSync(m_impl->display, False);
  m_impl->window = 0;
}

}  // namespace kx::test
