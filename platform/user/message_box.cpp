// MessageBoxA: headless, a line on stderr and IDOK at once; in a window, a small modal dialog
// with the icon, the text and the buttons, laid out around the text.
#include <algorithm>
#include <cstdio>
#include <string>

#include <kx/platform.h>

#include "user/dialog_driver_internal.h"
#include "user/dialog_manager.h"

namespace kx {
namespace {

constexpr int kIconId = 20;
constexpr int kTextId = 0xFFFF;

struct ButtonSpec {
  int id;
  const char* label;
};

std::vector<ButtonSpec> buttonsFor(UINT type) {
  switch (type & 0x0F) {
    case MB_OKCANCEL:
      return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO:
      return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    default:
      return {{IDOK, "OK"}};
  }
}

LPCSTR iconFor(UINT type) {
  switch (type & 0xF0) {
    case MB_ICONHAND:
      return IDI_HAND;
    case MB_ICONQUESTION:
      return IDI_QUESTION;
    case MB_ICONEXCLAMATION:
      return IDI_EXCLAMATION;
    case MB_ICONASTERISK:
      return IDI_ASTERISK;
    default:
      return nullptr;
  }
}

struct MessageBoxParams {
  const char* text;
  UINT type;
};

SIZE measureText(HWND dialog, const char* text) {
  HDC hdc = GetDC(dialog);
  RECT rect{0, 0, 0, 0};
  if (hdc) {
    HGDIOBJ old = SelectObject(hdc, reinterpret_cast<HGDIOBJ>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
    DrawTextA(hdc, text, -1, &rect, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(hdc, old);
    ReleaseDC(dialog, hdc);
  }
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void layOut(HWND dialog, const MessageBoxParams& params) {
  const int margin = 12;
  const int buttonWidth = 75;
  const int buttonHeight = 23;
  const int gap = 6;
  HWND icon = GetDlgItem(dialog, kIconId);
  int iconSize = icon ? GetSystemMetrics(SM_CXICON) : 0;
  SIZE text = measureText(dialog, params.text);
  int textLeft = margin + (icon ? iconSize + margin : 0);
  int contentHeight = std::max<int>(text.cy, iconSize);
  auto buttons = buttonsFor(params.type);
  int buttonsWidth = static_cast<int>(buttons.size()) * (buttonWidth + gap) - gap;
  int width = std::max(textLeft + static_cast<int>(text.cx) + margin, buttonsWidth + 2 * margin);
  int height = margin + contentHeight + margin + buttonHeight + margin;
  if (icon) MoveWindow(icon, margin, margin, iconSize, iconSize, FALSE);
  int textTop = margin + (contentHeight - text.cy) / 2;
  MoveWindow(GetDlgItem(dialog, kTextId), textLeft, textTop, text.cx + 1, text.cy, FALSE);
  int x = (width - buttonsWidth) / 2;
  for (const ButtonSpec& button : buttons) {
    MoveWindow(GetDlgItem(dialog, button.id), x, height - margin - buttonHeight, buttonWidth, buttonHeight,
               FALSE);
    x += buttonWidth + gap;
  }
  // The window grows by its frame around the client size wanted; it is centred on the desktop.
  RECT window, client, desktop;
  GetWindowRect(dialog, &window);
  GetClientRect(dialog, &client);
  GetClientRect(GetDesktopWindow(), &desktop);
  int fullWidth = width + (window.right - window.left) - client.right;
  int fullHeight = height + (window.bottom - window.top) - client.bottom;
  MoveWindow(dialog, (desktop.right - fullWidth) / 2, (desktop.bottom - fullHeight) / 2, fullWidth,
             fullHeight, FALSE);
}

INT_PTR CALLBACK messageBoxProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      auto* params = reinterpret_cast<MessageBoxParams*>(lParam);
      if (LPCSTR icon = iconFor(params->type))
        SendDlgItemMessageA(dialog, kIconId, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, icon)),
                            0);
      layOut(dialog, *params);
      return TRUE;
    }
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      // A box without a Cancel button answers Escape and its close box with its only button.
      if (id == IDCANCEL && !GetDlgItem(dialog, IDCANCEL)) id = GetDlgItem(dialog, IDOK) ? IDOK : IDNO;
      if (GetDlgItem(dialog, id)) EndDialog(dialog, id);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

DialogTemplate messageBoxTemplate(const char* caption, const char* text, UINT type) {
  DialogTemplate dialog;
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT;
  dialog.caption = caption;
  dialog.hasFont = true;
  dialog.pointSize = 8;
  dialog.typeface = "MS Sans Serif";
  dialog.units = {0, 0, 120, 60};
  if (iconFor(type)) {
    DialogItemTemplate icon;
    icon.style = WS_VISIBLE | SS_ICON;
    icon.id = kIconId;
    icon.className = "STATIC";
    dialog.items.push_back(icon);
  }
  DialogItemTemplate label;
  label.style = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
  label.id = kTextId;
  label.className = "STATIC";
  label.title = text;
  dialog.items.push_back(label);
  bool first = true;
  for (const ButtonSpec& spec : buttonsFor(type)) {
    DialogItemTemplate button;
    button.style =
        WS_VISIBLE | WS_TABSTOP | (first ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | (first ? WS_GROUP : 0);
    button.id = spec.id;
    button.className = "BUTTON";
    button.title = spec.label;
    dialog.items.push_back(button);
    first = false;
  }
  return dialog;
}

std::string oneLine(const char* text) {
  std::string line = text ? text : "";
  std::replace(line.begin(), line.end(), '\r', ' ');
  std::replace(line.begin(), line.end(), '\n', ' ');
  return line;
}

}  // namespace
}  // namespace kx

using namespace kx;

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  const char* caption = lpCaption ? lpCaption : "Error";
  const char* text = lpText ? lpText : "";
  recordMessageBox(hWnd, caption, text, uType);
  if (platformBackend() == BackendKind::Headless) {
    std::fprintf(stderr, "%s: %s\n", caption, oneLine(text).c_str());
    return IDOK;
  }
  MessageBoxParams params{text, uType};
  INT_PTR result = runModalDialog(messageBoxTemplate(caption, text, uType), nullptr, hWnd, messageBoxProc,
                                  reinterpret_cast<LPARAM>(&params));
  return result > 0 ? static_cast<int>(result) : 0;
}
