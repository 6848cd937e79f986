// The SDL backend: the desktop in a real window (or covering every display), on the real clock.
// It presents through the window's own surface rather than a renderer, which on machines without
// a GPU driver would load a software OpenGL stack of a hundred megabytes; only the rectangles that
// changed are sent, and where the window surface has the desktop's layout the desktop is drawn
// straight into it.
#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "backends/backend.h"
#include "backends/sdl/sdl_video.h"
#include "backends/damage_list.h"
#include "backends/monitor_layout.h"

namespace kx {

namespace {

UINT virtualKeyOf(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<UINT>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<UINT>('0' + (key - SDLK_0));
  if (key >= SDLK_F1 && key <= SDLK_F12) return static_cast<UINT>(VK_F1 + (key - SDLK_F1));
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return static_cast<UINT>(0x61 + (key - SDLK_KP_1));
  struct Mapping {
    SDL_Keycode key;
    UINT vk;
  };
  static constexpr Mapping kKeys[] = {
      {SDLK_RETURN, VK_RETURN},  {SDLK_KP_ENTER, VK_RETURN}, {SDLK_ESCAPE, VK_ESCAPE},
      {SDLK_BACKSPACE, VK_BACK}, {SDLK_TAB, VK_TAB},         {SDLK_SPACE, VK_SPACE},
      {SDLK_LEFT, VK_LEFT},      {SDLK_RIGHT, VK_RIGHT},     {SDLK_UP, VK_UP},
      {SDLK_DOWN, VK_DOWN},      {SDLK_HOME, VK_HOME},       {SDLK_END, VK_END},
      {SDLK_PAGEUP, VK_PRIOR},   {SDLK_PAGEDOWN, VK_NEXT},   {SDLK_INSERT, VK_INSERT},
      {SDLK_DELETE, VK_DELETE},  {SDLK_PAUSE, VK_PAUSE},     {SDLK_CAPSLOCK, VK_CAPITAL},
      {SDLK_LSHIFT, VK_SHIFT},   {SDLK_RSHIFT, VK_SHIFT},    {SDLK_LCTRL, VK_CONTROL},
      {SDLK_RCTRL, VK_CONTROL},  {SDLK_LALT, VK_MENU},       {SDLK_RALT, VK_MENU},
      {SDLK_KP_0, 0x60},         {SDLK_KP_MULTIPLY, 0x6A},   {SDLK_KP_PLUS, 0x6B},
      {SDLK_KP_MINUS, 0x6D},     {SDLK_KP_PERIOD, 0x6E},     {SDLK_KP_DIVIDE, 0x6F},
      {SDLK_SEMICOLON, 0xBA},    {SDLK_EQUALS, 0xBB},        {SDLK_COMMA, 0xBC},
      {SDLK_MINUS, 0xBD},        {SDLK_PERIOD, 0xBE},        {SDLK_SLASH, 0xBF},
      {SDLK_BACKQUOTE, 0xC0},    {SDLK_LEFTBRACKET, 0xDB},   {SDLK_BACKSLASH, 0xDC},
      {SDLK_RIGHTBRACKET, 0xDD}, {SDLK_QUOTE, 0xDE},
  };
  for (const Mapping& m : kKeys) {
    if (m.key == key) return m.vk;
  }
  return 0xFF;  // a key without a virtual-key code still counts as a key
}

MouseButton buttonOf(Uint8 button) {
  if (button == SDL_BUTTON_RIGHT) return MouseButton::Right;
  if (button == SDL_BUTTON_MIDDLE) return MouseButton::Middle;
  return MouseButton::Left;
}

std::string noDisplayReason() {
  const char* driver = std::getenv("SDL_VIDEODRIVER");
  if ((!driver || !*driver) && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    return "no display to open a window on: neither DISPLAY nor WAYLAND_DISPLAY is set";
  }
  return {};
}

class SdlBackend : public Backend {
 public:
  ~SdlBackend() override {
    if (m_source) SDL_FreeSurface(m_source);
    if (m_window) SDL_DestroyWindow(m_window);
    if (m_initialised) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  std::string open(const PlatformOptions& options) override {
    if (std::string reason = noDisplayReason(); !reason.empty()) return reason;
    if (std::string reason = openVisibleVideo(); !reason.empty()) return reason;
    m_initialised = true;
    int width = options.width, height = options.height;
    int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
    // Hidden until the first frame is presented: a copy that ends before it shows anything (a
    // second copy, turned away by WinMain) never flashes a window.
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (options.fullScreen) {
      std::vector<RECT> displays;
      for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
        SDL_Rect b;
        if (SDL_GetDisplayBounds(i, &b) == 0) displays.push_back(RECT{b.x, b.y, b.x + b.w, b.y + b.h});
      }
      const MonitorLayout layout = layOutMonitors(displays);
      if (layout.monitors.empty()) return std::string("cannot read the displays' sizes: ") + SDL_GetError();
      width = layout.desktop.cx;
      height = layout.desktop.cy;
      m_monitors = layout.monitors;
      // One display: the window manager's own full screen. Several: one borderless window over
      // their union, as full screen covers a single display only.
      if (layout.monitors.size() == 1) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
      } else {
        flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP;
        x = displays.front().left - layout.monitors.front().left;
        y = displays.front().top - layout.monitors.front().top;
      }
    }
    if (width <= 0 || height <= 0) return "the desktop size is out of range";
    // Left to itself SDL backs the window surface with an accelerated renderer, which is the very
    // OpenGL stack this backend avoids; the display's own framebuffer (shared memory on X11) is
    // lighter. An environment setting still wins.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    m_window = SDL_CreateWindow("KALYX", x, y, width, height, flags);
    if (!m_window) return std::string("cannot create a window: ") + SDL_GetError();
    m_width = width;
    m_height = height;
    m_pixels.assign(static_cast<size_t>(width) * height, 0);
    if (!wrapOwnPixels()) return std::string("cannot wrap the desktop's pixels: ") + SDL_GetError();
    m_damage.add(RECT{0, 0, width, height});
    return {};
  }

  PixelSurface surface() override {
    if (m_direct) return {m_direct, m_width, m_height, m_directStride};
    return {m_pixels.data(), m_width, m_height, m_width};
  }

  void pixelsChanged(const RECT& rect) override {
    m_damage.add(RECT{std::max<LONG>(rect.left, 0), std::max<LONG>(rect.top, 0),
                      std::min<LONG>(rect.right, m_width), std::min<LONG>(rect.bottom, m_height)});
  }

  void flush() override {
    if (m_damage.rects().empty()) return;
    if (!m_shown) {
      SDL_ShowWindow(m_window);
      m_shown = true;
      moveIntoWindowSurface();
    }
    if (m_direct) {
      std::vector<SDL_Rect> areas;
      for (const RECT& r : m_damage.rects())
        areas.push_back(SDL_Rect{r.left, r.top, r.right - r.left, r.bottom - r.top});
      if (SDL_UpdateWindowSurfaceRects(m_window, areas.data(), static_cast<int>(areas.size())) == 0) {
        m_damage.clear();
        return;
      }
      // The window's size changed and SDL wants a new surface: the desktop moves back to pixels of
      // its own before that surface is asked for, since asking frees the one drawn in.
      if (!moveOutOfWindowSurface()) return;
      m_damage.add(RECT{0, 0, m_width, m_height});
    }
    // The window surface is the window manager's: it may be replaced after a size change, so it
    // is asked for at each present.
    SDL_Surface* target = SDL_GetWindowSurface(m_window);
    if (target != nullptr) {
      std::vector<SDL_Rect> areas;
      for (const RECT& r : m_damage.rects()) {
        SDL_Rect area{r.left, r.top, r.right - r.left, r.bottom - r.top};
        SDL_Rect to = area;
        SDL_BlitSurface(m_source, &area, target, &to);
        areas.push_back(area);
      }
      SDL_UpdateWindowSurfaceRects(m_window, areas.data(), static_cast<int>(areas.size()));
    }
    m_damage.clear();
  }

  std::vector<RECT> monitors() override { return m_monitors.empty() ? Backend::monitors() : m_monitors; }

  void poll(std::vector<InputEvent>& events) override {
    SDL_Event e;
    while (SDL_PollEvent(&e)) translate(e, events);
  }

  void wait(DWORD timeoutMs) override {
    if (timeoutMs == kForever) {
      SDL_WaitEvent(nullptr);
    } else {
      SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<DWORD>(timeoutMs, 0x7FFFFFFF)));
    }
  }

  bool virtualTime() const override { return false; }

  void showCursor(bool visible) override { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

  bool initialPointer(POINT& point) override {
    int globalX = 0, globalY = 0, windowX = 0, windowY = 0;
    SDL_PumpEvents();
    SDL_GetGlobalMouseState(&globalX, &globalY);
    SDL_GetWindowPosition(m_window, &windowX, &windowY);
    point = POINT{globalX - windowX, globalY - windowY};
    return true;
  }

  void moveCursor(POINT point) override { SDL_WarpMouseInWindow(m_window, point.x, point.y); }

 private:
  void translate(const SDL_Event& e, std::vector<InputEvent>& events) {
    InputEvent event;
    switch (e.type) {
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        event.kind = e.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
        event.virtualKey = virtualKeyOf(e.key.keysym.sym);
        event.alt = (e.key.keysym.mod & KMOD_ALT) != 0;
        break;
      case SDL_MOUSEMOTION:
        event.kind = InputEvent::Kind::MouseMove;
        event.point = POINT{e.motion.x, e.motion.y};
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        event.kind =
            e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::ButtonDown : InputEvent::Kind::ButtonUp;
        event.button = buttonOf(e.button.button);
        event.point = POINT{e.button.x, e.button.y};
        break;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
          event.kind = InputEvent::Kind::FocusLost;
        } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
          event.kind = InputEvent::Kind::FocusGained;
        } else {
          if (e.window.event == SDL_WINDOWEVENT_EXPOSED) pixelsChanged(RECT{0, 0, m_width, m_height});
          return;
        }
        break;
      case SDL_QUIT:
        event.kind = InputEvent::Kind::Quit;
        break;
      default:
        return;
    }
    events.push_back(event);
  }

  // Once the window is shown (showing it full screen renews its surface), the desktop moves into
  // the window surface when that has the desktop's size and pixel layout: a second copy of the
  // whole desktop (8 MB at 1920 x 1080) and the copying between them are spared. The desktop's
  // pixels are only ever moved between messages, when no device context points into them.
  void moveIntoWindowSurface() {
    SDL_Surface* target = SDL_GetWindowSurface(m_window);
    if (target == nullptr || target->format->format != SDL_PIXELFORMAT_RGB888 || target->w != m_width ||
        target->h != m_height || target->pitch % 4 != 0)
      return;
    auto* pixels = static_cast<uint32_t*>(target->pixels);
    const int stride = target->pitch / 4;
    copyRows(m_pixels.data(), m_width, pixels, stride);
    m_direct = pixels;
    m_directStride = stride;
    SDL_FreeSurface(m_source);
    m_source = nullptr;
    std::vector<uint32_t>().swap(m_pixels);
    m_damage.add(RECT{0, 0, m_width, m_height});
  }

  bool moveOutOfWindowSurface() {
    m_pixels.resize(static_cast<size_t>(m_width) * m_height);
    copyRows(m_direct, m_directStride, m_pixels.data(), m_width);
    m_direct = nullptr;
    return wrapOwnPixels();
  }

  // The desktop's own pixels as a surface SDL can copy from.
  bool wrapOwnPixels() {
    m_source = SDL_CreateRGBSurfaceWithFormatFrom(m_pixels.data(), m_width, m_height, 32, m_width * 4,
                                                  SDL_PIXELFORMAT_RGB888);
    return m_source != nullptr;
  }

  // The whole desktop from one pixel layout to another, `stride` pixels a row.
  void copyRows(const uint32_t* from, int fromStride, uint32_t* to, int toStride) const {
    for (int y = 0; y < m_height; ++y)
      std::copy_n(from + size_t(y) * fromStride, m_width, to + size_t(y) * toStride);
  }

  bool m_initialised = false;
  bool m_shown = false;
  uint32_t* m_direct = nullptr;  // the window surface's pixels, once the desktop is drawn there
  int m_directStride = 0;
  SDL_Window* m_window = nullptr;
  SDL_Surface* m_source = nullptr;  // over m_pixels
  std::vector<uint32_t> m_pixels;
  int m_width = 0;
  int m_height = 0;
  DamageList m_damage;
  std::vector<RECT> m_monitors;
};

}  // namespace

std::unique_ptr<Backend> makeSdlBackend() {
  return std::make_unique<SdlBackend>();
}

}  // namespace kx
