// The Xlib side of the X window backend, kept apart because Xlib's macros (Status, Bool, None)
// collide with the Win32 names: a window of someone else's that we draw into, and its events.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace kx {

class XSurface {
 public:
  struct Events {
    bool gone = false;     // the window was destroyed
    bool resized = false;  // its size is no longer the one we draw at
    bool exposed = false;  // parts must be drawn again (expose, left, top, right, bottom)
    int left = 0, top = 0, right = 0, bottom = 0;
  };

  XSurface();
  ~XSurface();
  XSurface(const XSurface&) = delete;
  XSurface& operator=(const XSurface&) = delete;

  // 0 for the root window. Empty on success, otherwise the reason.
  std::string open(unsigned long window);
  int width() const;
  int height() const;
  uint32_t* pixels();  // 0x00RRGGBB, rows of width() pixels
  // Sends these pixels to the window (not yet flushed).
  void put(int left, int top, int right, int bottom);
  void flush();
  // Reads every event waiting, merging the exposed areas.
  Events readEvents();
  bool eventsWaiting();
  int connection() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

}  // namespace kx
