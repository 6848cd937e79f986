// The SDL backend: the desktop in a real window (or covering the display), on the real clock.
// Only the parts of the desktop that changed are uploaded before each present.
#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "backends/backend.h"
#include "backends/sdl/sdl_video.h"

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
    if (m_texture) SDL_DestroyTexture(m_texture);
    if (m_renderer) SDL_DestroyRenderer(m_renderer);
    if (m_window) SDL_DestroyWindow(m_window);
    if (m_initialised) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  std::string open(const PlatformOptions& options) override {
    if (std::string reason = noDisplayReason(); !reason.empty()) return reason;
    if (std::string reason = openVisibleVideo(); !reason.empty()) return reason;
    m_initialised = true;
    int width = options.width, height = options.height;
    // Hidden until the first frame is presented: a copy that ends before it shows anything (a
    // second copy, turned away by WinMain) never flashes a window.
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (options.fullScreen) {
      SDL_DisplayMode mode;
      if (SDL_GetDesktopDisplayMode(0, &mode) != 0)
        return std::string("cannot read the display's size: ") + SDL_GetError();
      width = mode.w;
      height = mode.h;
      flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    }
    if (width <= 0 || height <= 0) return "the desktop size is out of range";
    m_window =
        SDL_CreateWindow("KALYX", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
    if (!m_window) return std::string("cannot create a window: ") + SDL_GetError();
    m_renderer = SDL_CreateRenderer(m_window, -1, 0);
    if (!m_renderer) m_renderer = SDL_CreateRenderer(m_window, -1, SDL_RENDERER_SOFTWARE);
    if (!m_renderer) return std::string("cannot draw in the window: ") + SDL_GetError();
    SDL_RenderSetLogicalSize(m_renderer, width, height);
    m_texture =
        SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!m_texture) return std::string("cannot create the desktop texture: ") + SDL_GetError();
    m_width = width;
    m_height = height;
    m_pixels.assign(static_cast<size_t>(width) * height, 0);
    m_dirty = RECT{0, 0, width, height};
    return {};
  }

  PixelSurface surface() override { return {m_pixels.data(), m_width, m_height, m_width}; }

  void pixelsChanged(const RECT& rect) override {
    RECT clipped{std::max<LONG>(rect.left, 0), std::max<LONG>(rect.top, 0),
                 std::min<LONG>(rect.right, m_width), std::min<LONG>(rect.bottom, m_height)};
    if (clipped.left >= clipped.right || clipped.top >= clipped.bottom) return;
    if (m_dirty.left >= m_dirty.right) {
      m_dirty = clipped;
    } else {
      m_dirty = RECT{std::min(m_dirty.left, clipped.left), std::min(m_dirty.top, clipped.top),
                     std::max(m_dirty.right, clipped.right), std::max(m_dirty.bottom, clipped.bottom)};
    }
  }

  void flush() override {
    if (m_dirty.left >= m_dirty.right || m_dirty.top >= m_dirty.bottom) return;
    SDL_Rect area{m_dirty.left, m_dirty.top, m_dirty.right - m_dirty.left, m_dirty.bottom - m_dirty.top};
    const uint32_t* first = m_pixels.data() + static_cast<size_t>(m_dirty.top) * m_width + m_dirty.left;
    SDL_UpdateTexture(m_texture, &area, first, m_width * 4);
    if (!m_shown) {
      SDL_ShowWindow(m_window);
      m_shown = true;
    }
    SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
    SDL_RenderPresent(m_renderer);
    m_dirty = RECT{};
  }

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

  bool m_initialised = false;
  bool m_shown = false;
  SDL_Window* m_window = nullptr;
  SDL_Renderer* m_renderer = nullptr;
  SDL_Texture* m_texture = nullptr;
  std::vector<uint32_t> m_pixels;
  int m_width = 0;
  int m_height = 0;
  RECT m_dirty{};
};

}  // namespace

std::unique_ptr<Backend> makeSdlBackend() {
  return std::make_unique<SdlBackend>();
}

}  // namespace kx
