#include "user/control_state.h"

#include <algorithm>
#include <vector>

namespace kx {

LRESULT CALLBACK dialogWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

void registerControlClasses() {
  struct ClassInfo {
    const char* name;
    WNDPROC proc;
    int extraBytes;
  };
  // The dialog class keeps DWLP_MSGRESULT, DWLP_DLGPROC and DWLP_USER in its extra bytes.
  static const ClassInfo kClasses[] = {
      {"BUTTON", buttonWindowProc, 0},
      {"EDIT", editWindowProc, 0},
      {"STATIC", staticWindowProc, 0},
      {"#32770", dialogWindowProc, DWLP_USER + static_cast<int>(sizeof(LONG_PTR))},
  };
  for (const ClassInfo& info : kClasses) {
    WNDCLASSA existing{};
    if (GetClassInfoA(nullptr, info.name, &existing)) continue;
    WNDCLASSA cls{};
    cls.style = CS_GLOBALCLASS | CS_DBLCLKS;
    cls.lpfnWndProc = info.proc;
    cls.cbWndExtra = info.extraBytes;
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.lpszClassName = info.name;
    RegisterClassA(&cls);
  }
}

void notifyParent(HWND control, WORD code) {
  HWND parent = GetParent(control);
  if (!parent) return;
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

std::string windowText(HWND hwnd) {
  LRESULT length = SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  LRESULT copied = SendMessageA(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data(), static_cast<size_t>(std::max<LRESULT>(copied, 0)));
}

}  // namespace kx
