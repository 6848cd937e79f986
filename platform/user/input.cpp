#include "user/input.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

#include "user/activation.h"
#include "user/desktop.h"
#include "user/message_queue.h"
#include "user/window.h"

namespace kx {

namespace {

struct InputState {
  std::array<bool, 256> keyDown{};
  // The key state as of the last key message taken from the queue, which is what TranslateMessage
  // sees on Windows: a Shift released later in the queue still counts.
  std::array<bool, 256> keyDownAsRead{};
  POINT cursor{};
  WPARAM buttons = 0;         // MK_ flags of the mouse buttons held
  HWND lastActive = nullptr;  // what to reactivate when the desktop gets the focus back
};

InputState& state() {
  static InputState input;
  return input;
}

bool isHeld(UINT vk) {
  return vk < 256 && state().keyDown[vk];
}
bool wasHeldAsRead(UINT vk) {
  return vk < 256 && state().keyDownAsRead[vk];
}

HWND deepestAt(HWND hwnd, POINT point) {
  Window* w = findWindow(hwnd);
  POINT origin = clientOriginOnScreen(*w);
  for (HWND child : w->children) {
    Window* c = findWindow(child);
    if (!c || !(c->style & WS_VISIBLE)) continue;
    RECT r = c->windowRect;
    OffsetRect(&r, origin.x, origin.y);
    if (PtInRect(&r, point)) return (c->style & WS_DISABLED) ? hwnd : deepestAt(child, point);
  }
  return hwnd;
}

WPARAM mouseKeyState() {
  WPARAM flags = state().buttons;
  if (isHeld(VK_SHIFT)) flags |= MK_SHIFT;
  if (isHeld(VK_CONTROL)) flags |= MK_CONTROL;
  return flags;
}

void queueInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageQueue& q = messageQueue();
  MSG msg = makeMessage(hwnd, message, wParam, lParam);
  // Consecutive moves of the mouse merge into the latest, as Windows does.
  if (message == WM_MOUSEMOVE && !q.input.empty() && q.input.back().message == WM_MOUSEMOVE &&
      q.input.back().hwnd == hwnd) {
    q.input.back() = msg;
    return;
  }
  q.input.push_back(msg);
}

void deliverKey(const InputEvent& event, bool down) {
  if (event.virtualKey < 256) state().keyDown[event.virtualKey] = down;
  WindowManager& wm = windowManager();
  HWND target = findWindow(wm.focus) ? wm.focus : nullptr;
  bool system = event.alt;
  if (!target) {
    // With nothing focused, keys reach the active window as system keys.
    target = findWindow(wm.active) ? wm.active : nullptr;
    system = true;
  }
  if (!target) return;
  UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
  LPARAM lParam = 1 | (event.alt ? (1L << 29) : 0);
  if (!down) lParam |= static_cast<LPARAM>(3UL << 30);
  queueInput(target, message, event.virtualKey, lParam);
}

void deliverMouse(const InputEvent& event) {
  setCursorPosition(event.point);
  static constexpr std::array<WPARAM, 3> kButtonFlags = {MK_LBUTTON, MK_RBUTTON, MK_MBUTTON};
  static constexpr std::array<UINT, 3> kDownMessages = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
  auto index = static_cast<size_t>(event.button);
  UINT message = WM_MOUSEMOVE;
  if (event.kind == InputEvent::Kind::ButtonDown) {
    state().buttons |= kButtonFlags[index];
    message = kDownMessages[index];
  } else if (event.kind == InputEvent::Kind::ButtonUp) {
    state().buttons &= ~kButtonFlags[index];
    message = kDownMessages[index] + 1;
  }
  HWND target = windowAtPoint(event.point);
  if (!target) return;
  POINT client = event.point;
  ScreenToClient(target, &client);
  queueInput(target, message, mouseKeyState(), MAKELPARAM(client.x, client.y));
}

void deliverFocusChange(bool gained) {
  messageQueue().incoming.push_back([gained] {
    WindowManager& wm = windowManager();
    if (!gained) {
      if (findWindow(wm.active)) state().lastActive = wm.active;
      activateWindow(nullptr);
      return;
    }
    Window* last = findWindow(state().lastActive);
    if (last && (last->style & WS_VISIBLE) && !wm.active) SetActiveWindow(state().lastActive);
  });
}

void deliverQuit() {
  // The window was closed from outside: every top-level window is asked to close.
  std::vector<HWND> tops = windowManager().topLevels;
  if (tops.empty()) PostQuitMessage(0);
  for (HWND top : tops) PostMessageA(top, WM_CLOSE, 0, 0);
}

}  // namespace

void deliverInput(const InputEvent& event) {
  Desktop::instance().ensureStarted();
  switch (event.kind) {
    case InputEvent::Kind::KeyDown:
    case InputEvent::Kind::KeyUp:
      deliverKey(event, event.kind == InputEvent::Kind::KeyDown);
      break;
    case InputEvent::Kind::Char:
      if (HWND focus = GetFocus()) queueInput(focus, WM_CHAR, static_cast<unsigned char>(event.character), 1);
      break;
    case InputEvent::Kind::MouseMove:
    case InputEvent::Kind::ButtonDown:
    case InputEvent::Kind::ButtonUp:
      deliverMouse(event);
      break;
    case InputEvent::Kind::FocusLost:
    case InputEvent::Kind::FocusGained:
      deliverFocusChange(event.kind == InputEvent::Kind::FocusGained);
      break;
    case InputEvent::Kind::Quit:
      deliverQuit();
      break;
  }
}

void pumpBackendInput() {
  Desktop& desktop = Desktop::instance();
  if (!desktop.started()) return;
  std::vector<InputEvent> events;
  desktop.backend().poll(events);
  for (const InputEvent& event : events) deliverInput(event);
}

void beforeInputDelivered(const MSG& msg) {
  if (msg.message >= WM_KEYDOWN && msg.message <= WM_SYSKEYUP && msg.wParam < 256) {
    bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    if (down || msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP)
      state().keyDownAsRead[msg.wParam] = down;
  }
  if (msg.message < WM_MOUSEFIRST || msg.message > WM_MOUSELAST || !findWindow(msg.hwnd)) return;
  bool buttonDown =
      msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN || msg.message == WM_MBUTTONDOWN;
  if (buttonDown) {
    HWND root = rootWindow(msg.hwnd);
    if (root != windowManager().active) activateWindow(root);
  }
  if (findWindow(msg.hwnd))
    SendMessageA(msg.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(msg.hwnd),
                 MAKELPARAM(HTCLIENT, msg.message));
}

char characterForKey(UINT vk) {
  bool shift = wasHeldAsRead(VK_SHIFT);
  if (vk >= 'A' && vk <= 'Z') {
    if (wasHeldAsRead(VK_CONTROL)) return static_cast<char>(vk - 'A' + 1);
    return static_cast<char>(shift ? vk : std::tolower(static_cast<int>(vk)));
  }
  if (vk >= '0' && vk <= '9') return shift ? ")!@#$%^&*("[vk - '0'] : static_cast<char>(vk);
  if (vk >= 0x60 && vk <= 0x69) return static_cast<char>('0' + vk - 0x60);  // the number pad
  struct Mapping {
    UINT vk;
    char plain;
    char shifted;
  };
  static constexpr Mapping kKeys[] = {
      {VK_SPACE, ' ', ' '}, {VK_RETURN, '\r', '\r'}, {VK_BACK, '\b', '\b'}, {VK_TAB, '\t', '\t'},
      {VK_ESCAPE, 27, 27},  {0x6A, '*', '*'},        {0x6B, '+', '+'},      {0x6D, '-', '-'},
      {0x6E, '.', '.'},     {0x6F, '/', '/'},        {0xBA, ';', ':'},      {0xBB, '=', '+'},
      {0xBC, ',', '<'},     {0xBD, '-', '_'},        {0xBE, '.', '>'},      {0xBF, '/', '?'},
      {0xC0, '`', '~'},     {0xDB, '[', '{'},        {0xDC, '\\', '|'},     {0xDD, ']', '}'},
      {0xDE, '\'', '"'},
  };
  for (const Mapping& key : kKeys) {
    if (key.vk == vk) return shift ? key.shifted : key.plain;
  }
  return 0;
}

POINT cursorPosition() {
  return state().cursor;
}

void setCursorPosition(POINT point) {
  SIZE size = Desktop::instance().size();
  point.x = std::clamp<LONG>(point.x, 0, size.cx - 1);
  point.y = std::clamp<LONG>(point.y, 0, size.cy - 1);
  state().cursor = point;
}

void mouseMoveIfUnderCursor(HWND shown) {
  POINT at = cursorPosition();
  HWND target = windowAtPoint(at);
  if (!target || !isDescendant(shown, target)) return;
  POINT client = at;
  ScreenToClient(target, &client);
  // The cursor has not moved: a move still waiting was for a window that no longer lies on top
  // there (a parent shown just before its child, say), and this one takes its place.
  std::deque<MSG>& input = messageQueue().input;
  if (!input.empty() && input.back().message == WM_MOUSEMOVE) input.pop_back();
  queueInput(target, WM_MOUSEMOVE, mouseKeyState(), MAKELPARAM(client.x, client.y));
}

HWND windowAtPoint(POINT point) {
  for (HWND top : windowManager().topLevels) {
    Window* t = findWindow(top);
    if (!t || !(t->style & WS_VISIBLE)) continue;
    if (!PtInRect(&t->windowRect, point)) continue;
    if (t->style & WS_DISABLED) return nullptr;
    return deepestAt(top, point);
  }
  return nullptr;
}

void resetInputState() {
  state() = InputState{};
}

}  // namespace kx
