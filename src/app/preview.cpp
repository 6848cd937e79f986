#include "app/preview.h"

#include <cstdint>

#include "app/host.h"
#include "app/kalyx.h"

namespace {

// The number behind the switch: decimal digits, after a ':' or spaces; 0 when there is none or it
// does not fit a handle.
uintptr_t HandleNumber(const char* text) {
  while (*text == ':' || *text == ' ' || *text == '\t') ++text;
  uintptr_t value = 0;
  bool digits = false;
  for (; *text >= '0' && *text <= '9'; ++text) {
    const uintptr_t digit = static_cast<uintptr_t>(*text - '0');
    if (value > (UINTPTR_MAX - digit) / 10) return 0;
    value = value * 10 + digit;
    digits = true;
  }
  return digits ? value : 0;
}

}  // namespace

HWND PreviewParent(const char* cmdLine) {
  if (cmdLine == nullptr) return nullptr;
  // As for the saver switch, the first switch character with something behind it decides.
  for (const char* at = cmdLine; at[0] != '\0' && at[1] != '\0'; ++at) {
    if (at[0] != '-' && at[0] != '/') continue;
    if (at[1] != 'p' && at[1] != 'P') return nullptr;
    HWND hwnd = reinterpret_cast<HWND>(HandleNumber(at + 2));
    return hwnd != nullptr && IsWindow(hwnd) ? hwnd : nullptr;
  }
  return nullptr;
}

int CreatePreviewWindow(HINSTANCE hInstance, HWND hwndParent) {
  RECT client{0, 0, 0, 0};
  GetClientRect(hwndParent, &client);
  HWND hwnd =
      CreateWindowExA(0, kMainClass, "KALYX Display", WS_CHILD | WS_VISIBLE, 0, 0, client.right - client.left,
                      client.bottom - client.top, hwndParent, nullptr, hInstance, nullptr);
  if (hwnd == nullptr) return 0;
  lpKalyx->SetMainWindow(hwnd);
  UpdateWindow(hwnd);
  return 1;
}
