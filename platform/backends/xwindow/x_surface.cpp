#include "backends/xwindow/x_surface.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <vector>

namespace kx {

namespace {

// X reports a bad window id as an asynchronous error; the open catches it here.
bool g_xError = false;
int noteXError(Display*, XErrorEvent*) {
  g_xError = true;
  return 0;
}

}  // namespace

struct XSurface::Impl {
  Display* display = nullptr;
  ::Window window = 0;
  GC gc = nullptr;
  XImage* image = nullptr;
  std::vector<uint32_t> pixels;
  int width = 0;
  int height = 0;

  ~Impl() {
    if (image) {
      image->data = nullptr;  // the pixels are ours, not Xlib's to free
      XDestroyImage(image);
    }
    if (gc) XFreeGC(display, gc);
    if (display) XCloseDisplay(display);
  }

  std::string makeImage(const XWindowAttributes& attributes) {
    const Visual* visual = attributes.visual;
    if (attributes.depth < 24 || visual->red_mask != 0xFF0000 || visual->green_mask != 0x00FF00 ||
        visual->blue_mask != 0x0000FF) {
      return "the X window's visual is not 24-bit true colour";
    }
    width = std::max(attributes.width, 1);
    height = std::max(attributes.height, 1);
    pixels.assign(static_cast<size_t>(width) * height, 0);
    image = XCreateImage(display, attributes.visual, static_cast<unsigned>(attributes.depth), ZPixmap, 0,
                         reinterpret_cast<char*>(pixels.data()), static_cast<unsigned>(width),
                         static_cast<unsigned>(height), 32, width * 4);
    return image ? std::string() : "cannot make an X image";
  }
};

XSurface::XSurface() : m_impl(std::make_unique<Impl>()) {}
XSurface::~XSurface() = default;

std::string XSurface::open(unsigned long window) {
  Impl& x = *m_impl;
  x.display = XOpenDisplay(nullptr);
  if (!x.display) return "cannot open the X display (is DISPLAY set?)";
  x.window = window != 0 ? window : DefaultRootWindow(x.display);
  XWindowAttributes attributes{};
  XErrorHandler previous = XSetErrorHandler(noteXError);
  g_xError = false;
  const Status ok = XGetWindowAttributes(x.display, x.window, &attributes);
  // Size changes and the window's end come as structure events; exposures ask for a repaint.
  // Neither is reserved to one client, so this works on the daemon's window and on the root.
  if (ok) XSelectInput(x.display, x.window, StructureNotifyMask | ExposureMask);
  XSync(x.display, False);
  XSetErrorHandler(previous);
  if (!ok || g_xError) return "there is no X window " + std::to_string(x.window);
  if (std::string reason = x.makeImage(attributes); !reason.empty()) return reason;
  x.gc = XCreateGC(x.display, x.window, 0, nullptr);
  return {};
}

int XSurface::width() const {
  return m_impl->width;
}

int XSurface::height() const {
  return m_impl->height;
}

uint32_t* XSurface::pixels() {
  return m_impl->pixels.data();
}

void XSurface::put(int left, int top, int right, int bottom) {
  Impl& x = *m_impl;
  XPutImage(x.display, x.window, x.gc, x.image, left, top, left, top, static_cast<unsigned>(right - left),
            static_cast<unsigned>(bottom - top));
}

void XSurface::flush() {
  XFlush(m_impl->display);
}

bool XSurface::eventsWaiting() {
  return XPending(m_impl->display) > 0;
}

int XSurface::connection() const {
  return ConnectionNumber(m_impl->display);
}

XSurface::Events XSurface::readEvents() {
  Impl& x = *m_impl;
  Events events;
  while (XPending(x.display) > 0) {
    XEvent e;
    XNextEvent(x.display, &e);
    if (e.xany.window != x.window) continue;
    if (e.type == DestroyNotify) {
      events.gone = true;
    } else if (e.type == ConfigureNotify) {
      events.resized |= e.xconfigure.width != x.width || e.xconfigure.height != x.height;
    } else if (e.type == Expose) {
      const int l = e.xexpose.x, t = e.xexpose.y, r = l + e.xexpose.width, b = t + e.xexpose.height;
      if (!events.exposed) {
        events.left = l, events.top = t, events.right = r, events.bottom = b;
      } else {
        events.left = std::min(events.left, l), events.top = std::min(events.top, t);
        events.right = std::max(events.right, r), events.bottom = std::max(events.bottom, b);
      }
      events.exposed = true;
    }
  }
  return events;
}

}  // namespace kx
