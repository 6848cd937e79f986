#include <cstdio>
#include <utility>

#include "user/dialog_driver_internal.h"
#include "user/window.h"

namespace kx {
namespace {

DialogOpenHook& openHook() {
  static DialogOpenHook hook;
  return hook;
}

std::vector<ShownMessageBox>& messageBoxes() {
  static std::vector<ShownMessageBox> boxes;
  return boxes;
}

IdleHandler& currentIdleHandler() {
  static IdleHandler handler;
  return handler;
}

void installIdleHandler(IdleHandler handler) {
  currentIdleHandler() = handler;
  setIdleHandler(std::move(handler));
}

}  // namespace

std::string DialogDriver::caption() const {
  char text[256] = {};
  GetWindowTextA(m_dialog, text, sizeof text);
  return text;
}

HWND DialogDriver::control(int id) const {
  return GetDlgItem(m_dialog, id);
}

DialogDriver& DialogDriver::type(std::string_view text) {
  m_steps.push_back([chars = std::string(text)] {
    for (char c : chars) injectChar(c);
  });
  return *this;
}

DialogDriver& DialogDriver::press(UINT virtualKey, bool shift) {
  m_steps.push_back([virtualKey, shift] {
    if (shift) injectKeyDown(VK_SHIFT);
    injectKeyDown(virtualKey);
    injectKeyUp(virtualKey);
    if (shift) injectKeyUp(VK_SHIFT);
  });
  return *this;
}

DialogDriver& DialogDriver::click(int id) {
  m_steps.push_back([this, id] {
    HWND target = control(id);
    RECT rect{};
    if (!target || !GetClientRect(target, &rect)) return;
    POINT point{rect.right / 2, rect.bottom / 2};
    ClientToScreen(target, &point);
    injectMouseButton(MouseButton::Left, true, point.x, point.y);
    injectMouseButton(MouseButton::Left, false, point.x, point.y);
  });
  return *this;
}

DialogDriver& DialogDriver::clickAt(int id, POINT clientPoint) {
  m_steps.push_back([this, id, clientPoint] {
    HWND target = control(id);
    POINT point = clientPoint;
    if (!target || !ClientToScreen(target, &point)) return;
    injectMouseButton(MouseButton::Left, true, point.x, point.y);
    injectMouseButton(MouseButton::Left, false, point.x, point.y);
  });
  return *this;
}

DialogDriver& DialogDriver::then(std::function<void(HWND dialog)> step) {
  m_steps.push_back([this, step = std::move(step)] { step(m_dialog); });
  return *this;
}

bool DialogDriver::runNextStep() {
  if (m_next >= m_steps.size()) return false;
  // The step may open a nested dialog, which runs its own loop before this returns.
  m_steps[m_next++]();
  return true;
}

void setDialogOpenHook(DialogOpenHook hook) {
  openHook() = std::move(hook);
}

const std::vector<ShownMessageBox>& shownMessageBoxes() {
  return messageBoxes();
}
void clearShownMessageBoxes() {
  messageBoxes().clear();
}

void recordMessageBox(HWND owner, const char* caption, const char* text, UINT type) {
  messageBoxes().push_back({owner, caption ? caption : "", text ? text : "", type});
}

DialogDriverSession::DialogDriverSession(HWND dialog)
    : m_dialog(dialog), m_driver(std::make_unique<DialogDriver>(dialog)), m_previous(currentIdleHandler()) {
  if (openHook()) {
    DialogOpenHook hook = openHook();  // a copy: the hook may replace itself
    hook(*m_driver);
  }
  if (platformBackend() == BackendKind::Headless) installIdleHandler([this] { return onIdle(); });
}

DialogDriverSession::~DialogDriverSession() {
  if (platformBackend() == BackendKind::Headless) installIdleHandler(m_previous);
}

bool DialogDriverSession::onIdle() {
  if (!IsWindow(m_dialog)) return false;
  if (m_driver->runNextStep()) return true;
  // Nobody can type into a headless dialog once its steps are done.
  std::fprintf(stderr, "dialog \"%s\" waits for input that cannot come headless; cancelled\n",
               m_driver->caption().c_str());
  EndDialog(m_dialog, IDCANCEL);
  return true;
}

}  // namespace kx
