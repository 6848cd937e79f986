// Creating and destroying windows, and the window tree.
#include "user/window.h"

#include <algorithm>

#include "kernel/api_boundary.h"
#include "user/activation.h"
#include "user/desktop.h"
#include "user/message_queue.h"
#include "user/paint.h"
#include "user/timer.h"

namespace kx {

namespace {

// Classic metrics at 96 DPI: a 3-pixel dialog frame, a 1-pixel border, an 18-pixel caption.
constexpr LONG kDialogFrame = 3;
constexpr LONG kBorder = 1;
constexpr LONG kCaption = 18;
constexpr LONG kClientEdge = 2;
constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;

void unlink(Window& window) {
  WindowManager& wm = windowManager();
  std::vector<HWND>* siblings = &wm.topLevels;
  if (Window* parent = findWindow(window.parent)) siblings = &parent->children;
  siblings->erase(std::remove(siblings->begin(), siblings->end(), window.hwnd()), siblings->end());
}

void sendDestroy(HWND hwnd) {
  // WM_DESTROY reaches the parent before its children.
  SendMessageA(hwnd, WM_DESTROY, 0, 0);
  Window* window = findWindow(hwnd);
  if (!window) return;
  std::vector<HWND> children = window->children;
  for (HWND child : children) {
    if (Window* c = findWindow(child); c && !c->destroying) {
      c->destroying = true;
      sendDestroy(child);
    }
  }
}

void sendNcDestroy(HWND hwnd) {
  // WM_NCDESTROY reaches the children first; then the window leaves the table.
  Window* window = findWindow(hwnd);
  if (!window) return;
  std::vector<HWND> children = window->children;
  for (HWND child : children) sendNcDestroy(child);
  SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
  window = findWindow(hwnd);
  if (!window) return;
  WindowManager& wm = windowManager();
  if (wm.focus == hwnd) wm.focus = nullptr;
  if (wm.active == hwnd) wm.active = nullptr;
  killWindowTimers(hwnd);
  messageQueue().purge(hwnd);
  unlink(*window);
  window->windowClass->windowCount--;
  HandleTable::instance().remove(hwnd);
}

RECT screenRectOf(const Window& window) {
  RECT r = window.windowRect;
  if (const Window* parent = findWindow(window.parent)) {
    POINT origin = clientOriginOnScreen(*parent);
    OffsetRect(&r, origin.x, origin.y);
  }
  return r;
}

}  // namespace

Window* findWindow(HWND hwnd) {
  return lookup<Window>(hwnd);
}

Window* checkWindow(HWND hwnd) {
  Window* window = findWindow(hwnd);
  if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return window;
}

WindowManager& windowManager() {
  static WindowManager manager;
  return manager;
}

HWND desktopWindow() {
  WindowManager& wm = windowManager();
  if (findWindow(wm.desktop)) return wm.desktop;
  Desktop::instance().ensureStarted();
  if (findWindow(wm.desktop)) return wm.desktop;
  auto window = std::make_unique<Window>();
  auto cls = std::make_shared<WindowClass>();
  cls->name = "#32769";
  cls->info.lpfnWndProc = DefWindowProcA;
  window->windowClass = cls;
  cls->windowCount = 1;
  window->proc = DefWindowProcA;
  window->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  // As on Windows, the desktop window is the primary display; the others lie beside it.
  window->windowRect = Desktop::instance().primaryMonitor();
  window->clientRect = window->windowRect;
  wm.desktop = static_cast<HWND>(HandleTable::instance().add(std::move(window)));
  return wm.desktop;
}

bool isDescendant(HWND ancestor, HWND hwnd) {
  for (Window* w = findWindow(hwnd); w; w = findWindow(w->parent)) {
    if (w->hwnd() == ancestor) return true;
  }
  return false;
}

HWND rootWindow(HWND hwnd) {
  Window* w = findWindow(hwnd);
  while (w && findWindow(w->parent)) w = findWindow(w->parent);
  return w ? w->hwnd() : nullptr;
}

POINT clientOriginOnScreen(const Window& window) {
  POINT origin{window.clientRect.left, window.clientRect.top};
  for (Window* p = findWindow(window.parent); p; p = findWindow(p->parent)) {
    origin.x += p->clientRect.left;
    origin.y += p->clientRect.top;
  }
  return origin;
}

bool isShown(const Window& window) {
  for (const Window* w = &window; w; w = findWindow(w->parent)) {
    if (!(w->style & WS_VISIBLE)) return false;
  }
  return true;
}

std::vector<HWND> windowsInPaintOrder() {
  std::vector<HWND> order;
  auto visit = [&order](auto&& self, HWND hwnd) -> void {
    order.push_back(hwnd);
    if (Window* w = findWindow(hwnd)) {
      for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) self(self, *it);
    }
  };
  const std::vector<HWND>& tops = windowManager().topLevels;
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) visit(visit, *it);
  return order;
}

RECT nonClientInsets(DWORD style, DWORD exStyle) {
  LONG frame = 0;
  if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) {
    frame = kDialogFrame;
  } else if (style & WS_BORDER) {
    frame = kBorder;
  }
  if (exStyle & WS_EX_CLIENTEDGE) frame += kClientEdge;
  LONG caption = (style & WS_CAPTION) == WS_CAPTION ? kCaption : 0;
  return RECT{frame, frame + caption, frame, frame};
}

RECT windowScreenRect(const Window& window) {
  return screenRectOf(window);
}

void destroyAllWindows() {
  WindowManager& wm = windowManager();
  while (!wm.topLevels.empty()) {
    HWND top = wm.topLevels.front();
    DestroyWindow(top);
    // A procedure that refuses to go (it cannot, but be safe) must not stall the shutdown.
    if (!wm.topLevels.empty() && wm.topLevels.front() == top) unlink(*findWindow(top));
  }
  if (findWindow(wm.desktop)) HandleTable::instance().remove(wm.desktop);
  wm = WindowManager{};
}

}  // namespace kx

using namespace kx;

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X,
                            int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                            LPVOID lpParam) {
  // Starting the desktop first registers the system classes the name may refer to.
  HWND desktop = desktopWindow();
  std::shared_ptr<WindowClass> cls = findWindowClass(lpClassName);
  if (!cls) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  if (hWndParent == desktop) hWndParent = nullptr;
  Window* parent = hWndParent ? checkWindow(hWndParent) : nullptr;
  if (hWndParent && !parent) return nullptr;
  if ((dwStyle & WS_CHILD) && !parent) {
    SetLastError(ERROR_TLW_WITH_WSCHILD);
    return nullptr;
  }

  if (X == CW_USEDEFAULT) X = Y = 0;
  if (nWidth == CW_USEDEFAULT) {
    nWidth = kDefaultWidth;
    nHeight = kDefaultHeight;
  }
  nWidth = std::max(nWidth, 0);
  nHeight = std::max(nHeight, 0);

  auto owned = std::make_unique<Window>();
  Window& w = *owned;
  w.windowClass = cls;
  w.proc = cls->info.lpfnWndProc;
  w.style = dwStyle & ~WS_VISIBLE;
  w.exStyle = dwExStyle;
  w.instance = hInstance;
  w.extra.assign(static_cast<size_t>(cls->info.cbWndExtra), 0);
  w.windowRect = RECT{X, Y, X + nWidth, Y + nHeight};
  w.clientRect = w.windowRect;
  if (dwStyle & WS_CHILD) {
    w.parent = hWndParent;
    w.id = reinterpret_cast<LONG_PTR>(hMenu);
  } else {
    w.owner = hWndParent ? rootWindow(hWndParent) : nullptr;
  }
  // Room in the z-order first, so that nothing can fail once the window has its handle.
  std::vector<HWND>& siblings = (dwStyle & WS_CHILD) ? parent->children : windowManager().topLevels;
  auto hwnd = failSafe<HWND>(nullptr, [&] {
    siblings.reserve(siblings.size() + 1);
    return static_cast<HWND>(HandleTable::instance().add(std::move(owned)));
  });
  if (!hwnd) return nullptr;
  cls->windowCount++;
  // Children go below their elder siblings, so they are enumerated in creation order; a new
  // top-level window, owned or not, goes on top.
  if (dwStyle & WS_CHILD) {
    parent->children.push_back(hwnd);
  } else {
    windowManager().topLevels.insert(windowManager().topLevels.begin(), hwnd);
  }

  CREATESTRUCTA cs{
      lpParam,      hInstance,   hMenu,    hWndParent, nHeight, nWidth, Y, X, static_cast<LONG>(dwStyle),
      lpWindowName, lpClassName, dwExStyle};
  auto abandon = [hwnd]() -> HWND {
    if (findWindow(hwnd)) DestroyWindow(hwnd);
    return nullptr;
  };
  if (!SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) return abandon();

  RECT client = findWindow(hwnd) ? findWindow(hwnd)->windowRect : RECT{};
  SendMessageA(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
  Window* created = findWindow(hwnd);
  if (!created) return nullptr;
  created->clientRect = client;

  if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) return abandon();
  created = findWindow(hwnd);
  if (!created) return nullptr;
  RECT cr = created->clientRect;
  SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(cr.right - cr.left, cr.bottom - cr.top));
  SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(cr.left, cr.top));
  if ((dwStyle & WS_CHILD) && findWindow(hWndParent)) {
    SendMessageA(hWndParent, WM_PARENTNOTIFY,
                 MAKEWPARAM(WM_CREATE, LOWORD(reinterpret_cast<ULONG_PTR>(hMenu))),
                 reinterpret_cast<LPARAM>(hwnd));
  }
  if (!findWindow(hwnd)) return nullptr;
  if (dwStyle & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
  return findWindow(hwnd) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
  Window* window = checkWindow(hWnd);
  if (!window || hWnd == windowManager().desktop) return FALSE;
  if (window->destroying) return TRUE;  // already on its way out (called again from WM_DESTROY)
  window->destroying = true;

  // Owned pop-ups (dialogs of this window) go first.
  std::vector<HWND> owned;
  for (HWND top : windowManager().topLevels) {
    if (Window* w = findWindow(top); w && w->owner == hWnd) owned.push_back(top);
  }
  for (HWND w : owned) DestroyWindow(w);

  if (Window* w = findWindow(hWnd); w && w->isChild() && !(w->exStyle & WS_EX_NOPARENTNOTIFY)) {
    SendMessageA(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, LOWORD(w->id)),
                 reinterpret_cast<LPARAM>(hWnd));
  }
  if (Window* w = findWindow(hWnd); w && (w->style & WS_VISIBLE)) hideWindow(hWnd, false);
  if (isDescendant(hWnd, windowManager().focus)) setFocusTo(nullptr);
  if (findWindow(hWnd)) sendDestroy(hWnd);
  sendNcDestroy(hWnd);
  return TRUE;
}
