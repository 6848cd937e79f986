// An X window made by the test, as the screen-saver daemon makes one for its display program.
// Plain types only: Xlib's macros must not meet <windows.h>.
#pragma once

#include <memory>
#include <string>

namespace kx::test {

class XTestWindow {
 public:
  // A mapped window on `display` with a magenta background (0xFF00FF), a colour the console never shows; id()
  // is 0 when it could not be made.
  XTestWindow(const std::string& display, int x, int y, int width, int height);
  ~XTestWindow();
  XTestWindow(const XTestWindow&) = delete;
  XTestWindow& operator=(const XTestWindow&) = delete;

  unsigned long id() const;
  void resize(int width, int height);
  void destroy();

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

}  // namespace kx::test
