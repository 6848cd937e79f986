// Windows and window classes as the window manager keeps them.
//
// A window is an entry of the handle table. Code outside this file never keeps a Window* across a
// call into a window procedure: the procedure may destroy the window, so it looks the handle up
// again afterwards.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "kernel/handle_table.h"

namespace kx {

struct WindowClass {
  std::string name;
  ATOM atom = 0;
  WNDCLASSA info{};  // lpszClassName and lpszMenuName are not kept
  int windowCount = 0;
};

class Window : public HandleObject {
 public:
  static constexpr HandleKind kKind = HandleKind::Window;
  Window() : HandleObject(kKind) {}

  HWND hwnd() const { return static_cast<HWND>(handle()); }
  bool isChild() const { return (style & WS_CHILD) != 0; }

  std::shared_ptr<WindowClass> windowClass;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::string text;
  HWND parent = nullptr;  // children only; top-level windows hang off the desktop
  HWND owner = nullptr;   // top-level windows only
  LONG_PTR id = 0;
  HINSTANCE instance = nullptr;
  LONG_PTR userData = 0;
  std::vector<uint8_t> extra;

  // Both in the parent's client coordinates (the screen's for top-level windows).
  RECT windowRect{};
  RECT clientRect{};

  std::vector<HWND> children;  // z-order, topmost first

  // The update region is kept as its bounding rectangle, in client coordinates.
  RECT update{};
  bool erasePending = false;

  bool destroying = false;
};

// The window behind a handle (the desktop included), or null.
Window* findWindow(HWND hwnd);
// As findWindow, but sets ERROR_INVALID_WINDOW_HANDLE when there is none.
Window* checkWindow(HWND hwnd);

// Window-manager-wide state.
struct WindowManager {
  HWND desktop = nullptr;
  std::vector<HWND> topLevels;  // z-order, topmost first
  HWND active = nullptr;
  HWND focus = nullptr;
};
WindowManager& windowManager();

// The desktop window, created with the desktop.
HWND desktopWindow();

// Helpers over the tree.
bool isDescendant(HWND ancestor, HWND hwnd);  // hwnd is ancestor or lies below it
HWND rootWindow(HWND hwnd);                   // the top-level window that holds hwnd
POINT clientOriginOnScreen(const Window& window);
RECT windowScreenRect(const Window& window);
// Visible itself and all of its ancestors.
bool isShown(const Window& window);
// Every window in paint order: top-level windows bottom to top, each followed by its children,
// bottom to top.
std::vector<HWND> windowsInPaintOrder();

// The non-client frame of a style: how far the client area lies inside the window rectangle.
RECT nonClientInsets(DWORD style, DWORD exStyle);

std::shared_ptr<WindowClass> findWindowClass(LPCSTR name);
void clearWindowClasses();

// Destroys every window (the desktop last) when the platform stops.
void destroyAllWindows();

}  // namespace kx
