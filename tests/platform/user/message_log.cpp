#include "message_log.h"

#include <cstdio>
#include <set>

namespace kx::test {

std::vector<LoggedMessage>& messageLog() {
  static std::vector<LoggedMessage> log;
  return log;
}

LRESULT CALLBACK LoggingWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  messageLog().push_back(LoggedMessage{hwnd, message, wParam, lParam});
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

const char* messageName(UINT message) {
  switch (message) {
#define KX_NAME(m) \
  case m:          \
    return #m;
    KX_NAME(WM_CREATE)
    KX_NAME(WM_DESTROY) KX_NAME(WM_MOVE) KX_NAME(WM_SIZE) KX_NAME(WM_ACTIVATE) KX_NAME(WM_SETFOCUS)
        KX_NAME(WM_KILLFOCUS) KX_NAME(WM_ENABLE) KX_NAME(WM_PAINT) KX_NAME(WM_CLOSE) KX_NAME(WM_ERASEBKGND)
            KX_NAME(WM_SHOWWINDOW) KX_NAME(WM_ACTIVATEAPP) KX_NAME(WM_WINDOWPOSCHANGING)
                KX_NAME(WM_WINDOWPOSCHANGED) KX_NAME(WM_NCCREATE) KX_NAME(WM_NCDESTROY) KX_NAME(WM_NCCALCSIZE)
                    KX_NAME(WM_NCPAINT) KX_NAME(WM_NCACTIVATE) KX_NAME(WM_PARENTNOTIFY) KX_NAME(WM_TIMER)
                        KX_NAME(WM_KEYDOWN) KX_NAME(WM_KEYUP) KX_NAME(WM_CHAR) KX_NAME(WM_SYSKEYDOWN)
                            KX_NAME(WM_MOUSEMOVE) KX_NAME(WM_LBUTTONDOWN) KX_NAME(WM_LBUTTONUP)
                                KX_NAME(WM_SETCURSOR) KX_NAME(WM_USER)
#undef KX_NAME
                                    default : return "?";
  }
}

bool isTrackedMessage(UINT message) {
  static const std::set<UINT> kIgnored = {WM_GETTEXT, WM_GETTEXTLENGTH, WM_SETCURSOR};
  return !kIgnored.contains(message);
}

std::string compareSequence(const std::vector<ExpectedMessage>& expected) {
  std::vector<LoggedMessage> actual;
  for (const LoggedMessage& m : messageLog()) {
    if (isTrackedMessage(m.message)) actual.push_back(m);
  }
  size_t a = 0;
  bool ok = true;
  for (const ExpectedMessage& e : expected) {
    bool matches =
        a < actual.size() && actual[a].message == e.message && (!e.hwnd || actual[a].hwnd == e.hwnd);
    if (matches) {
      ++a;
    } else if (!e.optional) {
      ok = false;
      break;
    }
  }
  if (ok && a == actual.size()) return {};
  std::string text = "expected:";
  for (const ExpectedMessage& e : expected)
    text += std::string(" ") + messageName(e.message) + (e.optional ? "?" : "");
  text += "\nactual:  ";
  for (const LoggedMessage& m : actual) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "(0x%X)", m.message);
    text += std::string(" ") + messageName(m.message) + (messageName(m.message)[0] == '?' ? hex : "");
  }
  return text;
}

}  // namespace kx::test
